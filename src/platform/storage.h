#pragma once
// Settings files (the profile API) and the file system. Paths are UTF-8 with backslashes.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/types.h"

namespace tintora {

// Keys and values of one section, in file order.
using ProfileItems = std::vector<std::pair<std::string, std::string>>;

class Profile {
public:
    virtual ~Profile() = default;
    // Reads one item; empty when the file, section or key is missing.
    virtual std::string read(const std::string& path, std::string_view section, std::string_view key) const = 0;
    // Writes one item, keeping the rest of the file.
    [[nodiscard]] virtual Outcome write(const std::string& path, std::string_view section, std::string_view key,
                                        std::string_view value) = 0;
    // Replaces a section with these items in one write, so that no reader sees it half-written;
    // false when the file could not be written. A file it creates is UTF-16 (which the profile API
    // keeps), so that names outside the system's code page keep their characters; an older file
    // without a byte-order mark is turned into UTF-16 first, every item kept.
    [[nodiscard]] virtual Outcome writeSection(const std::string& path, std::string_view section,
                                               const ProfileItems& items) = 0;
    // Removes a section with all its items.
    [[nodiscard]] virtual Outcome removeSection(const std::string& path, std::string_view section) = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // True when a file or folder of that name exists.
    virtual bool exists(const std::string& path) const = 0;
    // Creates one folder (not its parents); failures are silent.
    virtual void createFolder(const std::string& path) = 0;
    // The whole file; empty when it is missing or unreadable.
    virtual Bytes readFile(const std::string& path) const = 0;
    // Writes the file completely or not at all, replacing an older one.
    [[nodiscard]] virtual Outcome writeFile(const std::string& path, const Bytes& content) = 0;
    // Deletes a file; failures are silent.
    virtual void removeFile(const std::string& path) = 0;
    // Names (without folder) of the files, not folders, matching a wildcard pattern.
    virtual std::vector<std::string> listFiles(const std::string& pattern) const = 0;
    // Text of GBK, the Chinese ANSI code page (936), as UTF-8, whatever the system's code page.
    virtual std::string gbkAsUtf8(std::string_view gbk) const = 0;
};

// The running process.
class Process {
public:
    virtual ~Process() = default;
    // The folder of the executable, without a trailing backslash.
    virtual std::string runDirectory() const = 0;
    // The user's local application-data folder, without a trailing backslash.
    virtual std::string userDataDirectory() const = 0;
    virtual void setCurrentDirectory(const std::string& path) = 0;
    virtual std::string currentDirectory() const = 0;
    // Ends the process at once.
    virtual void exit(int code) = 0;
};

}  // namespace tintora
