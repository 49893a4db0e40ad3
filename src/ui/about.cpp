#include "ui/about.h"

#include "design/texts.h"
#include "ui/startup.h"

namespace tintora {

void showHelp(App& app)
{
    std::string text = texts::helpText;
    if (app.dataMoved()) text += "\r\n\r\n" + dataMovedText(app);
    app.platform.shell.messageBox(text, texts::helpCaption);
}

void showVersion(App& app) { app.platform.shell.messageBox(texts::versionText, texts::versionCaption); }

void openHomepage(App& app) { app.platform.shell.open(texts::homepage); }

}  // namespace tintora
