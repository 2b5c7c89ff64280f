#include "vn_wnd.h"

#include <iterator>

namespace lx {

namespace {

constexpr wchar_t kObjectProperty[] = L"CVnWnd_this";
constexpr wchar_t kClassName[] = L"VARNEL_WINDOW";

}  // namespace

CVnWnd::CVnWnd() { ::lstrcpynW(className_, kClassName, static_cast<int>(std::size(className_))); }

CVnWnd::~CVnWnd() {
    if (window_)
        ::DestroyWindow(window_);
    window_ = nullptr;
}

void CVnWnd::PreRegisterClass(WNDCLASSEXW&) {}

LRESULT CVnWnd::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(window, message, wParam, lParam);
}

bool CVnWnd::Create(HINSTANCE instance, const wchar_t* title, DWORD style, int x, int width) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (!::GetClassInfoExW(instance, className_, &windowClass)) {
        windowClass = WNDCLASSEXW{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = SharedWindowProc;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = className_;
        PreRegisterClass(windowClass);
        // A failed registration shows as a failed creation below.
        ::RegisterClassExW(&windowClass);
    }
    window_ = ::CreateWindowExW(0, className_, title, style, x, 0, width, 0, nullptr, nullptr, instance, this);
    return window_ != nullptr;
}

LRESULT CALLBACK CVnWnd::SharedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CVnWnd* object = nullptr;
    if (::IsWindow(window)) {
        auto* candidate = static_cast<CVnWnd*>(::GetPropW(window, kObjectProperty));
        // A stale property, naming an object now bound to another window, is ignored.
        if (candidate && candidate->window_ == window)
            object = candidate;
    }
    if (message == WM_CREATE) {
        object = static_cast<CVnWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        ::SetPropW(window, kObjectProperty, object);
        object->window_ = window;
        return object->WindowProc(window, message, wParam, lParam);
    }
    if (!object)
        return ::DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_DESTROY) {
        const LRESULT result = object->WindowProc(window, message, wParam, lParam);
        ::RemovePropW(window, kObjectProperty);
        object->window_ = nullptr;
        return result;
    }
    return object->WindowProc(window, message, wParam, lParam);
}

}  // namespace lx
