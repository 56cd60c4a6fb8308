#include "convert/loaded_icons.h"

#include "library/messages.h"

#include <string>

namespace conversion {

bool DescribeLoadedIcons(CIconLibraryFile& library, std::vector<IconImage>& images)
{
    if (library.m_iconBitmaps.empty()) {
        ShowWarning("The icon library holds no icons.  Unable to convert.");
        return false;
    }
    images.resize(library.m_iconBitmaps.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        std::string number = std::to_string(i + 1);
        switch (DescribeIconImage(library.m_iconBitmaps[i], images[i])) {
        case IconImageProblem::None:
            break;
        case IconImageProblem::UnsupportedForm:
            ShowWarning("Icon " + number
                + " of the icon library is not an uncompressed 8-bit bitmap with a 40-byte header.  Unable to convert.");
            return false;
        case IconImageProblem::BlockTooShort:
            ShowWarning("Icon " + number
                + " of the icon library is damaged: its bitmap ends before its rows do.  Unable to convert.");
            return false;
        }
    }
    return true;
}

} // namespace conversion
