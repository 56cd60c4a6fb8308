#include "application_title.h"

#include <climits>
#include <unistd.h>

CString ApplicationTitleFromPath(const CString& executablePath)
{
    auto slash = executablePath.find_last_of('/');
    CString name = slash == CString::npos ? executablePath : executablePath.substr(slash + 1);
    auto dot = name.find_last_of('.');
    if (dot != CString::npos && dot > 0)
        name.erase(dot);
    return name;
}

CString GetApplicationTitle()
{
    char path[PATH_MAX + 1] = {};
    ssize_t length = ::readlink("/proc/self/exe", path, PATH_MAX);
    if (length <= 0)
        return "Quintaro";
    return ApplicationTitleFromPath(CString(path, static_cast<size_t>(length)));
}
