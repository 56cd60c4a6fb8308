// The report of the info command on a library that the reader has loaded.
#pragma once

#include "library/icon_library_file.h"

#include <string>
#include <vector>

// The lines of the report: the name, the version and the icon count, one
// line per icon, then a note for each icon whose colour table differs from
// the first icon's, since the strip shows every icon in the first icon's
// colours. Icons are numbered from 1, as in the conversions' messages.
std::vector<std::string> DescribeLibrary(const CIconLibraryFile& library, const CString& name);
