// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

class TempDir {
public:
    TempDir();
    // A folder inside `base` instead of the system's temporary folder.
    explicit TempDir(const std::filesystem::path& base);
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // The full name of `name` inside the folder.
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

std::vector<std::uint8_t> ReadFileBytes(const std::string& name);
void WriteFileBytes(const std::string& name, std::span<const std::uint8_t> bytes);
inline void WriteFileBytes(const std::string& name, const std::vector<std::uint8_t>& bytes)
{
    WriteFileBytes(name, std::span<const std::uint8_t>(bytes));
}
