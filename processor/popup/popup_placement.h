#pragma once
// Where the group popup stands: beside the taskbar, at the end where the
// notification area usually is.
#include <optional>

#include "popup_geometry.h"

namespace lx::popup {

// The popup's top-left corner for a popup of `size` on `monitor` (the full
// rectangle of the monitor holding the taskbar). A taskbar wider than tall
// lies along the top or bottom edge: the popup is flush with the monitor's
// right edge, just below or above the taskbar. Otherwise (a square one
// included) it lies along the left or right edge: the popup is flush with the
// monitor's bottom edge, just right or left of it. No taskbar: (0, 0).
Point PlacePopup(const Rect& monitor, const std::optional<Rect>& taskbar, Size size);

}  // namespace lx::popup
