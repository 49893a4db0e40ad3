#include "overlay/tints.h"

namespace tintora {

void Tints::toggleTints()
{
    overlay_.setTintsHidden(!overlay_.tintsHidden());
    remembered_.showRememberedTints(!overlay_.tintsHidden());
    monitors_.placeMonitorTints();
    overlay_.showAsTintsAre();
}

void Tints::showShare(ScheduleShare share)
{
    overlay_.showShare(share);
    remembered_.showShare(share);
    monitors_.showShare(share);
}

int Tints::largestAlpha() const
{
    const int largest = monitors_.largestAlpha(remembered_.largestAlpha(overlay_.locked() ? overlay_.tint().alpha : 0));
    return largest > 0 ? largest : 255;
}

void Tints::closeTintWindows()
{
    remembered_.closeRememberedTints();
    monitors_.closeMonitorTints();
}

}  // namespace tintora
