#include "glow_text.h"

#include "c32_dc.h"
#include "gdi_handles.h"
#include "memory_surface.h"
#include "stack_blur.h"
#include "text_alpha.h"

namespace lx {

namespace {

class ThemeData {
public:
    ThemeData(const ThemedTextService& themed, const wchar_t* classes)
        : themed_(themed), theme_(themed.openThemeData ? themed.openThemeData(nullptr, classes) : nullptr) {}
    ~ThemeData() {
        if (theme_ && themed_.closeThemeData)
            themed_.closeThemeData(theme_);
    }
    ThemeData(const ThemeData&) = delete;
    ThemeData& operator=(const ThemeData&) = delete;
    HTHEME get() const { return theme_; }

private:
    const ThemedTextService& themed_;
    HTHEME theme_;
};

template <class Function>
void Export(HMODULE library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(library, name)));
}

HFONT CurrentFont(HDC dc) { return static_cast<HFONT>(::GetCurrentObject(dc, OBJ_FONT)); }

bool DrawThemedText(const ThemedTextService& themed, HDC dc, const wchar_t* text, int length, RECT* inner,
                    UINT format, COLORREF textColor, bool measuring) {
    DTTOPTS options{};
    options.dwSize = sizeof(options);
    options.dwFlags = DTT_TEXTCOLOR | DTT_COMPOSITED | (measuring ? DTT_CALCRECT : 0);
    options.crText = textColor;
    if (SUCCEEDED(themed.drawThemeTextEx(nullptr, dc, 0, 0, text, length, format, inner, &options)))
        return true;
    ThemeData theme(themed, L"TASKBAR");
    return theme.get() &&
           SUCCEEDED(themed.drawThemeTextEx(theme.get(), dc, 0, 0, text, length, format, inner, &options));
}

// White antialiased text on a transparent surface over `inner`, its coverage
// turned into alpha and colour, blended onto the target.
void DrawAntialiasedText(HDC target, const wchar_t* text, int length, const RECT& inner, UINT format, HFONT font,
                         COLORREF textColor) {
    C32DC surface;
    HDC dc = surface.Begin(inner, target);
    if (!dc)
        return;
    LOGFONTW logFont{};
    if (!::GetObjectW(font, sizeof(logFont), &logFont))
        return;
    logFont.lfQuality = ANTIALIASED_QUALITY;
    UniqueFont antialiased(::CreateFontIndirectW(&logFont));
    {
        SelectedObject selection(dc, antialiased.get());
        ::SetTextColor(dc, RGB(255, 255, 255));
        ::SetBkMode(dc, TRANSPARENT);
        RECT area = inner;
        ::DrawTextW(dc, text, length, &area, format);
    }
    CoverageToTextAlpha({surface.Pixels(), static_cast<size_t>(surface.Width()) * surface.Height() * 4}, textColor);
    surface.End();
}

void DrawPlainText(HDC dc, const wchar_t* text, int length, RECT* inner, UINT format, HFONT font,
                   COLORREF textColor, bool keepTextColor) {
    SelectedObject selection(dc, font);
    const COLORREF previousColor = keepTextColor ? CLR_INVALID : ::SetTextColor(dc, textColor);
    const int previousMode = ::SetBkMode(dc, TRANSPARENT);
    ::DrawTextW(dc, text, length, inner, format);
    if (previousMode)
        ::SetBkMode(dc, previousMode);
    if (previousColor != CLR_INVALID)
        ::SetTextColor(dc, previousColor);
}

void DrawGlow(HDC dc, const wchar_t* text, int length, const RECT& rectangle, UINT format, HFONT font,
              COLORREF glowColor, int glowSize, const ThemedTextService* themed) {
    MemorySurface surface;
    if (!surface.Create(dc, rectangle.right - rectangle.left, rectangle.bottom - rectangle.top))
        return;
    RECT local{0, 0, surface.Width(), surface.Height()};
    DrawGlowText(surface.Context(), text, length, &local, format, font ? font : CurrentFont(dc), glowColor, false, 0,
                 glowSize, true, themed);
    if (glowSize >= 1)
        StackBlurAlpha(surface.Bytes(), surface.Width(), surface.Height(), glowSize);
    AlphaToGlow(surface.Bytes(), glowColor);
    surface.BlendOnto(dc, rectangle.left, rectangle.top);
}

}  // namespace

std::optional<ThemedTextService> LoadedThemedTextService() {
    // Only a theme library the process already uses; never loaded for this.
    HMODULE library = ::GetModuleHandleW(L"uxtheme.dll");
    if (!library)
        return std::nullopt;
    ThemedTextService themed;
    Export(library, "DrawThemeTextEx", themed.drawThemeTextEx);
    Export(library, "OpenThemeData", themed.openThemeData);
    Export(library, "CloseThemeData", themed.closeThemeData);
    if (!themed.drawThemeTextEx)
        return std::nullopt;
    return themed;
}

void DrawGlowText(HDC dc, const wchar_t* text, int length, RECT* rectangle, UINT format, HFONT font,
                  COLORREF textColor, bool glow, COLORREF glowColor, int glowSize, bool fallback) {
    const std::optional<ThemedTextService> themed = LoadedThemedTextService();
    DrawGlowText(dc, text, length, rectangle, format, font, textColor, glow, glowColor, glowSize, fallback,
                 themed ? &*themed : nullptr);
}

void DrawGlowText(HDC dc, const wchar_t* text, int length, RECT* rectangle, UINT format, HFONT font,
                  COLORREF textColor, bool glow, COLORREF glowColor, int glowSize, bool fallback,
                  const ThemedTextService* themed) {
    if (!dc || !text || !rectangle || rectangle->right <= rectangle->left || rectangle->bottom <= rectangle->top)
        return;
    if (length < 0)
        length = -1;
    if (glowSize < 0)
        glowSize = 0;
    const bool measuring = (format & DT_CALCRECT) != 0;
    const bool keepTextColor = textColor == kCurrentTextColor;
    if (keepTextColor)
        textColor = ::GetTextColor(dc);

    if (glow && !measuring)
        DrawGlow(dc, text, length, *rectangle, format, font, glowColor, glowSize, themed);

    // Points outside the visible part would lose the alpha that the themed
    // output writes: draw through a temporary surface there.
    C32DC offscreen;
    HDC chosen = dc;
    if (!::PtVisible(dc, rectangle->left, rectangle->top) || !::PtVisible(dc, rectangle->right, rectangle->bottom)) {
        if (HDC surface = offscreen.Begin(*rectangle, dc))
            chosen = surface;
    }
    const HFONT textFont = font ? font : CurrentFont(dc);
    SelectedObject fontSelection(chosen, chosen != dc ? textFont : font);

    RECT inner{rectangle->left + glowSize / 2, rectangle->top + glowSize / 2, rectangle->right - glowSize / 2,
               rectangle->bottom - glowSize / 2};
    bool drawn = themed && themed->drawThemeTextEx &&
                 DrawThemedText(*themed, chosen, text, length, &inner, format, textColor, measuring);
    if (!drawn) {
        fontSelection.Restore();
        offscreen.Discard();
        if (!measuring && fallback)
            DrawAntialiasedText(dc, text, length, inner, format, textFont, textColor);
        else
            DrawPlainText(dc, text, length, &inner, format, font, textColor, keepTextColor);
    }
    if (measuring) {
        rectangle->right = rectangle->left + (inner.right - inner.left) + glowSize;
        rectangle->bottom = rectangle->top + (inner.bottom - inner.top) + glowSize;
    }
    fontSelection.Restore();
    offscreen.End();
}

}  // namespace lx
