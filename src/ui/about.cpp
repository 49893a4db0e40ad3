#include "ui/about.h"

#include "design/texts.h"
#include "hotkeys/hotkeys.h"
#include "ui/startup.h"

namespace tintora {

void showHelp(App& app)
{
    std::string text(texts::helpText);
    if (const std::string hotkeys = hotkeysHelpText(app); !hotkeys.empty()) text += "\r\n\r\n" + hotkeys;
    if (app.dataMoved()) text += "\r\n\r\n" + dataMovedText(app.folders);
    app.platform.shell.messageBox(text, texts::helpCaption);
}

void showVersion(Shell& shell) { shell.messageBox(texts::versionText, texts::versionCaption); }

Outcome openHomepage(Shell& shell) { return shell.open(texts::homepage); }

}  // namespace tintora
