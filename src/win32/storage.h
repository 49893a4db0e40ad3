#pragma once
// Settings files, files and folders, and the running process, through kernel32's wide API.
#include <string>

#include "platform/storage.h"

namespace tintora::win32 {

// The full path of the running program's exe.
std::wstring programPath();

class Win32Profile final : public Profile {
public:
    std::string read(const std::string& path, std::string_view section, std::string_view key) const override;
    Outcome write(const std::string& path, std::string_view section, std::string_view key,
                  std::string_view value) override;
    Outcome writeSection(const std::string& path, std::string_view section, const ProfileItems& items) override;
    Outcome removeSection(const std::string& path, std::string_view section) override;
};

class Win32FileSystem final : public FileSystem {
public:
    bool exists(const std::string& path) const override;
    void createFolder(const std::string& path) override;
    Bytes readFile(const std::string& path) const override;
    // Writes a temporary file beside the target, then moves it over the target.
    Outcome writeFile(const std::string& path, const Bytes& content) override;
    void removeFile(const std::string& path) override;
    std::vector<std::string> listFiles(const std::string& pattern) const override;
    std::string gbkAsUtf8(std::string_view gbk) const override;
};

class Win32Process final : public Process {
public:
    std::string runDirectory() const override;
    std::string userDataDirectory() const override;
    void setCurrentDirectory(const std::string& path) override;
    std::string currentDirectory() const override;
    [[noreturn]] void exit(int code) override;
};

}  // namespace tintora::win32
