#pragma once
// The program's folders, the paths under them, the settings files and the text-to-integer rule.
#include <string>
#include <string_view>

#include "platform/storage.h"

namespace tintora {

// Which of the two folders a path lies under.
enum class Base { data, program };

// Where the program's files are.
struct Folders {
    // The run directory: the executable and the companion tool's shared folder.
    std::string program;
    // Config and Images: the run directory, or a per-user folder when the run directory cannot be written.
    std::string data;

    // The folder followed by a suffix that begins with a backslash.
    std::string path(std::string_view suffix, Base base = Base::data) const
    {
        return (base == Base::data ? data : program) + std::string(suffix);
    }
    // Config and Images are not beside the program, because its folder cannot be written.
    bool dataMoved() const { return data != program; }
};

// Suffixes under their folder, beginning with a backslash.
namespace paths {
inline constexpr std::string_view configFolder = "\\Config";
inline constexpr std::string_view imagesFolder = "\\Images";
inline constexpr std::string_view startIni = "\\Config\\Start.ini";
inline constexpr std::string_view colourIni = "\\Config\\Colour.ini";
inline constexpr std::string_view rememberedIni = "\\Config\\Remembered.ini";
inline constexpr std::string_view scheduleIni = "\\Config\\Schedule.ini";
inline constexpr std::string_view screenshotIni = "\\Config\\Screenshotstatistics.ini";
inline constexpr std::string_view hotkeysIni = "\\Config\\Hotkeys.ini";
inline constexpr std::string_view chartIni = "\\VirelineConfig\\Config\\Chart.ini";
inline constexpr std::string_view chartFolder = "\\VirelineConfig\\Chart\\";
// Under the user's local application-data folder.
inline constexpr std::string_view userDataFolder = "\\Tintora";
// Created and deleted in the run directory to learn whether it can be written.
inline constexpr std::string_view writeProbe = "\\Tintora-write-test.tmp";
}  // namespace paths

// Reads text the way atoi does, after turning full-width forms (digits, signs, spaces) into
// their ASCII forms; empty or non-numeric text gives 0 and values beyond 32 bits saturate.
int textToInt(std::string_view text);

// A failure whose reason names the file it concerns first; success as it is.
Outcome namingFile(std::string_view file, Outcome outcome);

// One settings item of one file.
struct SettingsItem {
    std::string_view file;  // suffix under the folder
    std::string_view section;
    std::string_view key;
    Base base = Base::data;
};

namespace items {
inline constexpr SettingsItem background{paths::startIni, "Bg", "Background"};
inline constexpr SettingsItem startSmall{paths::startIni, "Start", "Small"};
inline constexpr SettingsItem language{paths::startIni, "Start", "Language"};
inline constexpr SettingsItem followWindow{paths::startIni, "Follow", "Window"};
inline constexpr SettingsItem hotkeysEnabled{paths::startIni, "Hotkeys", "Enabled"};
inline constexpr SettingsItem colourA{paths::colourIni, "colour", "A"};
inline constexpr SettingsItem colourR{paths::colourIni, "colour", "R"};
inline constexpr SettingsItem colourG{paths::colourIni, "colour", "G"};
inline constexpr SettingsItem colourB{paths::colourIni, "colour", "B"};
inline constexpr SettingsItem scheduleEnabled{paths::scheduleIni, "Schedule", "Enabled"};
inline constexpr SettingsItem scheduleOn{paths::scheduleIni, "Schedule", "On"};
inline constexpr SettingsItem scheduleOff{paths::scheduleIni, "Schedule", "Off"};
inline constexpr SettingsItem scheduleFade{paths::scheduleIni, "Schedule", "Fade"};
inline constexpr SettingsItem scheduleLatitude{paths::scheduleIni, "Schedule", "Latitude"};
inline constexpr SettingsItem scheduleLongitude{paths::scheduleIni, "Schedule", "Longitude"};
inline constexpr SettingsItem meter{paths::screenshotIni, "Screenshotstatistics", "Meter"};
inline constexpr SettingsItem chartPicture{paths::chartIni, "Imges", "Img", Base::program};
inline constexpr SettingsItem chartChoice{paths::chartIni, "Choice", "Record", Base::program};
inline constexpr SettingsItem chartGroup{paths::chartIni, "Group", "Record", Base::program};
}  // namespace items

// Settings items of the files under the program's folders.
class Settings {
public:
    Settings(Profile& profile, const Folders& folders) : profile_(profile), folders_(folders) {}

    std::string readText(const SettingsItem& item) const;
    int readInt(const SettingsItem& item) const;
    // When the item could not be written, the reason names the file and what the system said.
    [[nodiscard]] Outcome write(const SettingsItem& item, std::string_view value);
    [[nodiscard]] Outcome write(const SettingsItem& item, int value);
    // The file that holds the item.
    std::string pathOf(const SettingsItem& item) const { return folders_.path(item.file, item.base); }

private:
    Profile& profile_;
    const Folders& folders_;
};

}  // namespace tintora
