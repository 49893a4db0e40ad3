#include "ui/about.h"

#include "design/texts.h"

namespace tintora {

void showHelp(App& app) { app.platform.shell.messageBox(texts::helpText, texts::helpCaption); }

void showVersion(App& app) { app.platform.shell.messageBox(texts::versionText, texts::versionCaption); }

void openHomepage(App& app) { app.platform.shell.open(texts::homepage); }

}  // namespace tintora
