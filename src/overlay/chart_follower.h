#pragma once
// Applies, once after each console creation, the chart settings a companion tool left beside the program.
#include <string_view>

#include "core/app.h"

namespace tintora {

void onChartTimer(App& app);
void onChartFollowUpTimer(App& app);

// True for a bare file name: no folder, drive or parent reference, so it stays inside the chart folder.
bool isPlainFileName(std::string_view name);

}  // namespace tintora
