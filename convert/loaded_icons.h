// The icons of a loaded library as both conversions see them, checked once.
#pragma once

#include "convert/icon_image.h"
#include "library/icon_library_file.h"

#include <vector>

// The conversions' own helpers, kept apart from the names of other layers.
namespace conversion {

// Describes every loaded icon in `images`. A library that cannot be
// converted — no icon at all, or an icon bitmap of another form or cut
// short — is refused with a warning that says why; returns false then.
bool DescribeLoadedIcons(CIconLibraryFile& library, std::vector<IconImage>& images);

} // namespace conversion
