#pragma once
// Owners of GDI objects and device contexts, and a guard that puts back what a
// context held before a SelectObject.
#include <windows.h>

#include <utility>

#include "unique_resource.h"

namespace lx {

using UniqueBitmap = UniqueResource<HBITMAP, &::DeleteObject>;
using UniqueFont = UniqueResource<HFONT, &::DeleteObject>;
using UniqueRegion = UniqueResource<HRGN, &::DeleteObject>;
using UniqueMemoryDC = UniqueResource<HDC, &::DeleteDC>;

// GetDC / ReleaseDC; a null window means the screen.
class WindowDC {
public:
    explicit WindowDC(HWND window = nullptr) : window_(window), dc_(::GetDC(window)) {}
    ~WindowDC() {
        if (dc_)
            ::ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a context and selects the previous one back when it
// goes; selecting a null object does nothing.
class SelectedObject {
public:
    SelectedObject() = default;
    SelectedObject(HDC dc, HGDIOBJ object) { Select(dc, object); }
    ~SelectedObject() { Restore(); }
    SelectedObject(SelectedObject&& other) noexcept
        : dc_(std::exchange(other.dc_, nullptr)), previous_(std::exchange(other.previous_, nullptr)) {}
    SelectedObject& operator=(SelectedObject&& other) noexcept {
        if (this != &other) {
            Restore();
            dc_ = std::exchange(other.dc_, nullptr);
            previous_ = std::exchange(other.previous_, nullptr);
        }
        return *this;
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

    bool Select(HDC dc, HGDIOBJ object) {
        Restore();
        if (!dc || !object)
            return false;
        HGDIOBJ previous = ::SelectObject(dc, object);
        if (!previous || previous == HGDI_ERROR)
            return false;
        dc_ = dc;
        previous_ = previous;
        return true;
    }
    void Restore() {
        if (dc_)
            ::SelectObject(dc_, previous_);
        dc_ = nullptr;
        previous_ = nullptr;
    }

private:
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

}  // namespace lx
