#pragma once
// The group popup's size and the rectangles of its title and member rows,
// from the measured sizes of their texts.
#include <cstddef>
#include <span>

#include "popup_geometry.h"

namespace lx::popup {

struct Margins {
    int left = 10;
    int right = 10;
    int top = 55;  // the title sits in the top margin
    int bottom = 10;
};

struct RowSpacing {
    int above = 0;
    int below = 0;
};

// Measured texts of one member row.
struct MemberTexts {
    Size key;
    Size name;
};

inline constexpr int kKeyNameGap = 10;

// The logical height of a font of `points` on a screen of `dotsPerInch`:
// negative, so that it is the character height, rounded as MulDiv rounds.
int FontHeightForPoints(int points, int dotsPerInch);

class Layout {
public:
    Layout(Size title, std::span<const MemberTexts> members, Margins margins = {}, RowSpacing spacing = {});

    Size PopupSize() const { return size_; }
    int KeyColumnWidth() const { return keyColumnWidth_; }
    int RowHeight() const { return rowHeight_; }

    Rect TitleRect() const;
    Rect KeyRect(std::size_t row) const;
    Rect NameRect(std::size_t row) const;

private:
    int RowTop(std::size_t row) const;

    Margins margins_;
    Size size_;
    int keyColumnWidth_ = 0;
    int rowHeight_ = 0;
};

}  // namespace lx::popup
