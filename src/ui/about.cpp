#include "ui/about.h"

#include "design/texts.h"
#include "hotkeys/hotkeys.h"
#include "ui/startup.h"

namespace tintora {

void showHelp(Shell& shell, const Folders& folders, const HotkeysState& hotkeys)
{
    std::string text(texts::helpText);
    if (const std::string inForce = hotkeysHelpText(hotkeys); !inForce.empty()) text += "\r\n\r\n" + inForce;
    if (folders.dataMoved()) text += "\r\n\r\n" + dataMovedText(folders);
    shell.messageBox(text, texts::helpCaption);
}

void showVersion(Shell& shell) { shell.messageBox(texts::versionText, texts::versionCaption); }

Outcome openHomepage(Shell& shell) { return shell.open(texts::homepage); }

}  // namespace tintora
