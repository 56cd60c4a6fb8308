#include "fuzz/scratch_folder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>

namespace {

std::string BaseFolder()
{
    const char* shared = "/dev/shm";
    if (::access(shared, W_OK | X_OK) == 0)
        return shared;
    return std::filesystem::temp_directory_path().string();
}

} // namespace

ScratchFolder::ScratchFolder()
{
    std::string pattern = BaseFolder() + "/quintaro-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a scratch folder for the fuzz run");
    m_path = pattern;
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}
