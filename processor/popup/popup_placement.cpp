#include "popup_placement.h"

#include <cstdlib>

namespace lx::popup {

Point PlacePopup(const Rect& monitor, const std::optional<Rect>& taskbar, Size size) {
    if (!taskbar)
        return {};
    const Rect& bar = *taskbar;
    if (bar.Width() > bar.Height()) {
        const bool atTop = std::abs(monitor.top - bar.top) <= std::abs(monitor.bottom - bar.bottom);
        return {monitor.right - size.width, atTop ? bar.bottom : bar.top - size.height};
    }
    const bool atLeft = std::abs(monitor.left - bar.left) <= std::abs(monitor.right - bar.right);
    return {atLeft ? bar.right : bar.left - size.width, monitor.bottom - size.height};
}

}  // namespace lx::popup
