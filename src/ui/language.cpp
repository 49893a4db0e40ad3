#include "ui/language.h"

#include <string_view>

#include "capture/screenshots.h"
#include "design/design.h"
#include "design/texts.h"
#include "ui/console_shell.h"
#include "ui/startup.h"

namespace tintora {
namespace {

constexpr std::string_view chinese = "zh";
constexpr std::string_view english = "en";

void showCaptions(Platform& p, const Settings& settings)
{
    for (const WindowDesign& w : windowDesigns()) {
        p.windows.setTitle(w.id, w.title);
        for (const MenuDesign& m : menuDesign(w.id))
            if (m.item != menuSeparator) p.menus.setCaption({w.id, m.item}, m.caption);
    }
    // The value labels show numbers the program sets, the same in either language.
    for (const ControlDesign& c : controlDesigns())
        if ((c.kind == ControlKind::label || c.kind == ControlKind::button) &&
            c.caption.in(Language::zh) != c.caption.in(Language::en))
            p.controls.setCaption(c.id, c.caption);
    refreshCounterCaption(p.menus, settings);
    showBackground(p, p.menus.isChecked(startup::启动背景_鲜艳));
    p.controls.useLanguage(WindowId::console);
    layOutConsole(p, false);
}

}  // namespace

void loadLanguage(const Settings& settings)
{
    setLanguage(settings.readText(items::language) == english ? Language::en : Language::zh);
}

void loadLanguage(Profile& profile, FileSystem& files, Process& process)
{
    Folders folders{process.runDirectory(), process.runDirectory()};
    chooseDataFolder(files, process, folders);
    loadLanguage(Settings(profile, folders));
}

void switchLanguage(Platform& p, Settings& settings, Notices& notices)
{
    const Language other = language() == Language::zh ? Language::en : Language::zh;
    setLanguage(other);
    notices.reportFailure(texts::settingsNotSaved,
                          settings.write(items::language, other == Language::en ? english : chinese));
    showCaptions(p, settings);
}

}  // namespace tintora
