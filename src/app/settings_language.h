#pragma once
// For the two Windows entries (tintora.exe and tintora.com): what they show or answer before the
// backend is made speaks the language of the settings the running copy keeps, so that a later
// start's usage and refusals read as that copy's answers do.
#include "ui/language.h"
#include "win32/storage.h"

namespace tintora {

inline void speakLanguageOfSettings()
{
    win32::Win32Profile profile;
    win32::Win32FileSystem files;
    win32::Win32Process process;
    loadLanguage(profile, files, process);
}

}  // namespace tintora
