// The folder a fuzz run writes its files in: in shared memory when the
// machine has it, so that millions of runs cost no disk, else in the
// system's temporary folder. Removed with its files when destroyed.
#pragma once

#include <string>

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The full name of `name` inside the folder.
    std::string File(const char* name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};
