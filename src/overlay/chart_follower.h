#pragma once
// Applies, once after each console creation, the chart settings a companion tool left beside the program.
#include <string_view>

#include "core/app.h"

namespace tintora {

void onChartTimer(Platform& p, const Folders& folders, const Tint& tint);
void onChartFollowUpTimer(Platform& p, const Tint& tint);

// True for a bare file name: no folder, drive or parent reference, so it stays inside the chart folder.
bool isPlainFileName(std::string_view name);

}  // namespace tintora
