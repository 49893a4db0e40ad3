#pragma once
// Applies, once after each console creation, the chart settings a companion tool left beside the program.
#include <string_view>

#include "core/settings.h"
#include "overlay/overlay.h"

namespace tintora {

void onChartTimer(Platform& p, const Folders& folders, Overlay& overlay);
void onChartFollowUpTimer(Platform& p, Overlay& overlay);

// True for a bare file name: no folder, drive or parent reference, so it stays inside the chart folder.
bool isPlainFileName(std::string_view name);

}  // namespace tintora
