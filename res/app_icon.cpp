// The application icon: our 16-colour artwork, a library's tiles and a
// strip bitmap with arrows both ways, at 32 x 32 and 16 x 16.
#include "res/app_icon.h"

#include "res/app_icon_16.xpm"
#include "res/app_icon_32.xpm"

const IconResource& ApplicationIcon()
{
    static const IconResource icon { { { 32, 32, app_icon_32_xpm }, { 16, 16, app_icon_16_xpm } } };
    return icon;
}
