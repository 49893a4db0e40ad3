#pragma once
// Commands from the command line, carried out through the handlers a user's action runs.
#include "app/app.h"
#include "commands/commands.h"

namespace tintora {

// Carries the command out and answers it; /quit answers before Tintora ends.
void carryOut(App& app, const Command& command, const AnswerCommand& answer);

}  // namespace tintora
