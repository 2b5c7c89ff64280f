#pragma once
// Turning text shapes drawn without alpha into premultiplied coloured pixels.
#include <cstdint>
#include <span>

namespace lx {

// Colours as 0x00bbggrr (the layout of a Windows COLORREF).
constexpr uint8_t RedOfColor(uint32_t color) { return static_cast<uint8_t>(color); }
constexpr uint8_t GreenOfColor(uint32_t color) { return static_cast<uint8_t>(color >> 8); }
constexpr uint8_t BlueOfColor(uint32_t color) { return static_cast<uint8_t>(color >> 16); }

// A blurred text shape in the alpha bytes becomes a glow: alpha quadrupled
// (capped at 255), colours alpha * channel >> 8.
void AlphaToGlow(std::span<uint8_t> pixels, uint32_t glowColor);

// White text drawn on transparent black: the red byte is the coverage. Covered
// pixels get alpha = coverage from 200 up, two thirds of it below (lighter
// antialiased edges), and colours alpha * channel / 255.
void CoverageToTextAlpha(std::span<uint8_t> pixels, uint32_t textColor);

}  // namespace lx
