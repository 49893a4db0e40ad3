#pragma once
// Paths under the run directory, the settings files and the text-to-integer rule.
#include <string>
#include <string_view>

#include "platform/storage.h"

namespace tintora {

namespace paths {
inline constexpr std::string_view configFolder = "\\Config";
inline constexpr std::string_view imagesFolder = "\\Images";
inline constexpr std::string_view startIni = "\\Config\\Start.ini";
inline constexpr std::string_view colourIni = "\\Config\\Colour.ini";
inline constexpr std::string_view screenshotIni = "\\Config\\Screenshotstatistics.ini";
inline constexpr std::string_view chartIni = "\\VirelineConfig\\Config\\Chart.ini";
inline constexpr std::string_view chartFolder = "\\VirelineConfig\\Chart\\";
}  // namespace paths

// Reads text the way atoi does, after turning full-width forms (digits, signs, spaces) into
// their ASCII forms; empty or non-numeric text gives 0 and values beyond 32 bits saturate.
int textToInt(std::string_view text);

// One settings item of one file.
struct SettingsItem {
    std::string_view file;  // suffix under the run directory
    std::string_view section;
    std::string_view key;
};

namespace items {
inline constexpr SettingsItem background{paths::startIni, "Bg", "Background"};
inline constexpr SettingsItem startSmall{paths::startIni, "Start", "Small"};
inline constexpr SettingsItem colourA{paths::colourIni, "colour", "A"};
inline constexpr SettingsItem colourR{paths::colourIni, "colour", "R"};
inline constexpr SettingsItem colourG{paths::colourIni, "colour", "G"};
inline constexpr SettingsItem colourB{paths::colourIni, "colour", "B"};
inline constexpr SettingsItem meter{paths::screenshotIni, "Screenshotstatistics", "Meter"};
inline constexpr SettingsItem chartPicture{paths::chartIni, "Imges", "Img"};
inline constexpr SettingsItem chartChoice{paths::chartIni, "Choice", "Record"};
inline constexpr SettingsItem chartGroup{paths::chartIni, "Group", "Record"};
}  // namespace items

// Settings items of the files under one run directory.
class Settings {
public:
    Settings(Profile& profile, std::string runDir) : profile_(profile), runDir_(std::move(runDir)) {}

    std::string readText(const SettingsItem& item) const;
    int readInt(const SettingsItem& item) const;
    // False when the item could not be written.
    bool write(const SettingsItem& item, std::string_view value);
    bool write(const SettingsItem& item, int value);

private:
    std::string pathOf(const SettingsItem& item) const { return runDir_ + std::string(item.file); }

    Profile& profile_;
    std::string runDir_;
};

}  // namespace tintora
