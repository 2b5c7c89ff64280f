#pragma once
// Text output with correct alpha on 32-bit surfaces, optionally surrounded by
// a soft glow, and its measurement.
#include <windows.h>
#include <uxtheme.h>

#include <optional>

namespace lx {

// Text colour meaning "the context's current one".
inline constexpr COLORREF kCurrentTextColor = CLR_INVALID;

// Composited themed text, taken from the theme library only when the process
// has already loaded it.
struct ThemedTextService {
    decltype(&::DrawThemeTextEx) drawThemeTextEx = nullptr;
    decltype(&::OpenThemeData) openThemeData = nullptr;
    decltype(&::CloseThemeData) closeThemeData = nullptr;
};
std::optional<ThemedTextService> LoadedThemedTextService();

// Draws, or with DT_CALCRECT in `format` measures, `text` (length below 0:
// zero-terminated) in `rectangle`. A null font means the context's current
// one. With `glow`, a blurred halo of `glowColor` and radius `glowSize`
// surrounds the text, which keeps glowSize / 2 pixels from every side.
// `fallback`: without themed output, antialias (true) or draw plainly (false).
// Measuring gives the text's size plus glowSize, top-left corner kept.
void DrawGlowText(HDC dc, const wchar_t* text, int length, RECT* rectangle, UINT format, HFONT font,
                  COLORREF textColor, bool glow, COLORREF glowColor, int glowSize, bool fallback);
// The same with an explicit themed service; null takes the fallback paths.
void DrawGlowText(HDC dc, const wchar_t* text, int length, RECT* rectangle, UINT format, HFONT font,
                  COLORREF textColor, bool glow, COLORREF glowColor, int glowSize, bool fallback,
                  const ThemedTextService* themed);

}  // namespace lx
