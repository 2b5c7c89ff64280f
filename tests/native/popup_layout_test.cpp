#include "popup_layout.h"

#include <vector>

#include <gtest/gtest.h>

namespace lx::popup {
namespace {

TEST(PopupLayout, SizeFollowsTheLargestTextsAndTheMemberCount) {
    struct Case {
        const char* what;
        Size title;
        std::vector<MemberTexts> members;
        RowSpacing spacing;
        Size expected;
        int keyColumnWidth;
        int rowHeight;
    } cases[] = {
        {"no members: skin and title only", {100, 40}, {}, {}, {120, 65}, 0, 0},
        {"no members, no title", {0, 0}, {}, {}, {30, 65}, 0, 0},
        {"rows wider than the title",
         {100, 40},
         {{{30, 24}, {80, 16}}, {{40, 26}, {120, 18}}},
         {},
         {190, 117},
         40,
         26},
        {"a name taller than every key", {10, 40}, {{{30, 24}, {80, 31}}}, {}, {140, 96}, 30, 31},
        {"title wider than the rows: title plus 20", {300, 40}, {{{30, 24}, {80, 16}}}, {}, {320, 89}, 30, 24},
        {"spacing adds to every row", {10, 40}, {{{30, 24}, {80, 16}}, {{30, 24}, {80, 16}}}, {2, 3}, {140, 123}, 30, 29},
    };
    for (const Case& c : cases) {
        const Layout layout(c.title, c.members, Margins{}, c.spacing);
        EXPECT_EQ(layout.PopupSize(), c.expected)
            << c.what << ": got " << layout.PopupSize().width << "x" << layout.PopupSize().height;
        EXPECT_EQ(layout.KeyColumnWidth(), c.keyColumnWidth) << c.what;
        EXPECT_EQ(layout.RowHeight(), c.rowHeight) << c.what;
    }
}

TEST(PopupLayout, RowsStackBelowTheTitleBandWithTheKeyColumnFirst) {
    const std::vector<MemberTexts> members{{{30, 24}, {80, 16}}, {{40, 26}, {120, 18}}};
    const Layout layout({100, 40}, members);
    EXPECT_EQ(layout.TitleRect(), (Rect{10, 10, 180, 50}));
    EXPECT_EQ(layout.KeyRect(0), (Rect{10, 55, 50, 81}));
    EXPECT_EQ(layout.NameRect(0), (Rect{60, 55, 180, 81}));
    EXPECT_EQ(layout.KeyRect(1), (Rect{10, 81, 50, 107}));
    EXPECT_EQ(layout.NameRect(1), (Rect{60, 81, 180, 107}));
    // The last row ends at the bottom margin.
    EXPECT_EQ(layout.PopupSize().height - layout.KeyRect(1).bottom, 10);
}

TEST(PopupLayout, OtherMarginsMoveRowsAndWidenThePopup) {
    const std::vector<MemberTexts> members{{{30, 20}, {50, 20}}};
    const Layout layout({0, 0}, members, Margins{4, 6, 30, 8});
    EXPECT_EQ(layout.PopupSize(), (Size{100, 58}));
    EXPECT_EQ(layout.KeyRect(0), (Rect{4, 30, 34, 50}));
    EXPECT_EQ(layout.NameRect(0), (Rect{44, 30, 94, 50}));
}

TEST(FontHeightForPoints, IsTheNegatedRoundedPixelHeight) {
    struct Case { int points, dotsPerInch, height; } cases[] = {
        {15, 96, -20}, {10, 96, -13}, {15, 144, -30}, {10, 144, -20}, {10, 120, -17}, {15, 120, -25}, {9, 96, -12},
        {0, 96, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FontHeightForPoints(c.points, c.dotsPerInch), c.height) << c.points << " pt at " << c.dotsPerInch;
}

}  // namespace
}  // namespace lx::popup
