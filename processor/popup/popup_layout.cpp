#include "popup_layout.h"

#include <algorithm>

namespace lx::popup {

namespace {

// The title's band in the skin's header.
constexpr int kTitleInset = 10;
constexpr int kTitleBottom = 50;

}  // namespace

int FontHeightForPoints(int points, int dotsPerInch) {
    constexpr long long kPointsPerInch = 72;
    const long long product = static_cast<long long>(points) * dotsPerInch;
    const long long rounded = (2 * product + (product < 0 ? -kPointsPerInch : kPointsPerInch)) / (2 * kPointsPerInch);
    return -static_cast<int>(rounded);
}

Layout::Layout(Size title, std::span<const MemberTexts> members, Margins margins, RowSpacing spacing)
    : margins_(margins) {
    Size largestKey, largestName;
    for (const MemberTexts& member : members) {
        largestKey.width = std::max(largestKey.width, member.key.width);
        largestKey.height = std::max(largestKey.height, member.key.height);
        largestName.width = std::max(largestName.width, member.name.width);
        largestName.height = std::max(largestName.height, member.name.height);
    }
    keyColumnWidth_ = largestKey.width;
    rowHeight_ = std::max(largestKey.height, largestName.height) + spacing.above + spacing.below;
    const int content = std::max(keyColumnWidth_ + kKeyNameGap + largestName.width, title.width);
    size_.width = margins.left + margins.right + content;
    size_.height = rowHeight_ * static_cast<int>(members.size()) + margins.top + margins.bottom;
}

Rect Layout::TitleRect() const {
    return {kTitleInset, kTitleInset, size_.width - kTitleInset, kTitleBottom};
}

int Layout::RowTop(std::size_t row) const { return margins_.top + rowHeight_ * static_cast<int>(row); }

Rect Layout::KeyRect(std::size_t row) const {
    const int top = RowTop(row);
    return {margins_.left, top, margins_.left + keyColumnWidth_, top + rowHeight_};
}

Rect Layout::NameRect(std::size_t row) const {
    const int top = RowTop(row);
    return {margins_.left + keyColumnWidth_ + kKeyNameGap, top, size_.width - margins_.right, top + rowHeight_};
}

}  // namespace lx::popup
