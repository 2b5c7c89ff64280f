#pragma once
// Binds one hidden program window to one object: a shared window class and
// procedure hand every message to the object's WindowProc.
#include <windows.h>

namespace lx {

class CVnWnd {
public:
    CVnWnd();
    virtual ~CVnWnd();
    CVnWnd(const CVnWnd&) = delete;
    CVnWnd& operator=(const CVnWnd&) = delete;

    [[nodiscard]] bool Create(HINSTANCE instance, const wchar_t* title, DWORD style, int x, int width);
    HWND Handle() const { return window_; }

protected:
    virtual void PreRegisterClass(WNDCLASSEXW& windowClass);
    virtual LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK SharedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    wchar_t className_[256];
};

}  // namespace lx
