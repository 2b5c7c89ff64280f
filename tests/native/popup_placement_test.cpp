#include "popup_placement.h"

#include <gtest/gtest.h>

namespace lx::popup {
namespace {

TEST(PlacePopup, StandsBesideTheTaskbarAtTheNotificationAreaEnd) {
    constexpr Rect kScreen{0, 0, 1280, 800};
    constexpr Size kPopup{200, 100};
    struct Case {
        const char* what;
        Rect monitor;
        std::optional<Rect> taskbar;
        Point expected;
    } cases[] = {
        {"bottom", kScreen, Rect{0, 780, 1280, 800}, {1080, 680}},
        {"top", kScreen, Rect{0, 0, 1280, 30}, {1080, 30}},
        {"left", kScreen, Rect{0, 0, 60, 800}, {60, 700}},
        {"right", kScreen, Rect{1220, 0, 1280, 800}, {1020, 700}},
        {"square, bottom-left corner: a side taskbar", kScreen, Rect{0, 740, 60, 800}, {60, 700}},
        {"square, bottom-right corner", kScreen, Rect{1220, 740, 1280, 800}, {1020, 700}},
        {"horizontal, halfway: counts as top", kScreen, Rect{0, 385, 1280, 415}, {1080, 415}},
        {"vertical, halfway: counts as left", kScreen, Rect{620, 0, 660, 800}, {660, 700}},
        {"second monitor right of the first, bottom", Rect{1280, 0, 3200, 1080}, Rect{1280, 1040, 3200, 1080},
         {3000, 940}},
        {"monitor left of the primary, top", Rect{-1920, -200, 0, 880}, Rect{-1920, -200, 0, -160}, {-200, -160}},
        {"monitor below the primary, right", Rect{0, 800, 1280, 1824}, Rect{1240, 800, 1280, 1824}, {1040, 1724}},
        {"taskbar not spanning the monitor", kScreen, Rect{100, 770, 900, 800}, {1080, 670}},
        {"no taskbar", kScreen, std::nullopt, {0, 0}},
        {"no taskbar, second monitor", Rect{1280, 0, 3200, 1080}, std::nullopt, {0, 0}},
    };
    for (const Case& c : cases) {
        const Point at = PlacePopup(c.monitor, c.taskbar, kPopup);
        EXPECT_EQ(at, c.expected) << c.what << ": got " << at.x << "," << at.y;
    }
}

}  // namespace
}  // namespace lx::popup
