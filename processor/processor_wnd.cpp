#include "processor_wnd.h"

#include "clipboard_text.h"
#include "data_locations.h"
#include "group_order.h"
#include "keyboard_output.h"
#include "signals.h"
#include "wide_text.h"

namespace lx {

namespace {

using ClipboardListenerFunction = BOOL(WINAPI*)(HWND);
using InitHookFunction = HHOOK* (*)(HWND);

// Looked up at run time: older systems have only the viewer chain.
ClipboardListenerFunction User32Function(const char* name) {
    const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<ClipboardListenerFunction>(reinterpret_cast<void*>(::GetProcAddress(user32, name)))
                  : nullptr;
}

}  // namespace

CProcessorWnd::CProcessorWnd(HINSTANCE instance, std::unique_ptr<CAccelerator> loaded)
    : instance_(instance),
      scripts_(GetScriptsFolder()),
      core_(characters_, scripts_),
      loaded_(std::move(loaded)),
      current_(loaded_.get()),
      popup_(instance) {}

CProcessorWnd::~CProcessorWnd() { StopClipboardWatch(); }

bool CProcessorWnd::Create() {
    return CVnWnd::Create(instance_, kProcessorTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT);
}

LRESULT CProcessorWnd::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate();
        break;
    case WM_TIMER:
        // Nothing arrived on the clipboard in time: nothing was selected.
        ::PostQuitMessage(0);
        break;
    case WM_CLIPBOARDUPDATE:
    case WM_DRAWCLIPBOARD:
        OnClipboardChanged();
        ForwardToNextViewer(WM_DRAWCLIPBOARD, wParam, lParam);
        return 0;
    case WM_CHANGECBCHAIN:
        if (reinterpret_cast<HWND>(wParam) == nextViewer_)
            nextViewer_ = reinterpret_cast<HWND>(lParam);
        else
            ForwardToNextViewer(message, wParam, lParam);
        return 0;
    case WM_GROUP_KEY:
        OnGroupKey(wParam);
        return 0;
    case WM_CAPTURE_DONE:
        StopClipboardWatch();
        if (wParam != 0)
            ExecuteAccelerator();
        else
            EndRun();
        return 0;
    default:
        break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void CProcessorWnd::OnCreate() {
    if (!current_)
        return;
    if (current_->isGroup)
        OnCreateGroup();
    else
        RunAccelerator();
}

void CProcessorWnd::OnCreateGroup() {
    SignalEvent(EVT_SOUND_GROUP);
    // The key still picks an entry when the popup could not be shown.
    (void)popup_.Show(current_, Handle());
    if (!InstallGroupKeyHook()) {
        // No key would ever arrive: end instead of waiting forever.
        popup_.Close();
        SignalEvent(EVT_SOUND_ERROR);
        EndRun();
    }
}

bool CProcessorWnd::InstallGroupKeyHook() {
    // Only from beside the processor: never a planted copy from the current
    // folder or the path.
    UniqueLibrary library(
        ::LoadLibraryExW(kKeyTrapLibrary, nullptr, LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (!library)
        return false;
    const auto hookProcedure =
        reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(::GetProcAddress(library.get(), "KeyboardHookProc")));
    const auto initHook =
        reinterpret_cast<InitHookFunction>(reinterpret_cast<void*>(::GetProcAddress(library.get(), "initHook")));
    if (!hookProcedure || !initHook)
        return false;
    HHOOK* const hookLocation = initHook(Handle());
    UniqueHook hook(::SetWindowsHookExW(WH_KEYBOARD_LL, hookProcedure, library.get(), 0));
    if (!hook)
        return false;
    // The hook procedure runs on this thread only while it pumps messages,
    // so it cannot be called before its handle is stored.
    if (hookLocation)
        *hookLocation = hook.get();
    hookLibrary_ = std::move(library);
    hook_ = std::move(hook);
    return true;
}

void CProcessorWnd::OnGroupKey(WPARAM key) {
    // Keys pressed before the first one was handled were posted too.
    if (!hook_ || !current_)
        return;
    popup_.Close();
    hook_.reset();
    hookLibrary_.reset();
    CAccelerator* picked = FindEntryByKey(LOWORD(key), *current_);
    // A picked group with no entry for key 0 has nothing to run.
    if (!picked || !FindEntryByKey(0, *picked)) {
        SignalEvent(EVT_SOUND_ERROR);
        EndRun();
        return;
    }
    current_ = picked;
    RunAccelerator();
}

void CProcessorWnd::RunAccelerator() {
    SignalEvent(EVT_SOUND_ACCELERATOR);
    selectionText_.clear();
    clipboardText_ = ReadClipboardText(Handle()).value_or(std::wstring());
    const CAccelerator* accelerator = FindEntryByKey(0, *current_);
    if (accelerator && accelerator->input != 0) {
        StartClipboardWatch();
        SendCopyKeys();
        // The timer starts only now: waiting for the hotkey's modifiers to be
        // released must not eat into the time the application has to copy.
        ::SetTimer(Handle(), kCaptureTimerId, kCaptureTimeoutMs, nullptr);
        return;
    }
    StopClipboardWatch();
    ExecuteAccelerator();
}

void CProcessorWnd::ExecuteAccelerator() {
    const CAccelerator* accelerator = current_ ? FindEntryByKey(0, *current_) : nullptr;
    if (accelerator) {
        const Text selection = ToText(selectionText_), clipboard = ToText(clipboardText_);
        core_.SetInputs(&selection, &clipboard);
        Text result;
        if (core_.Expand(result, accelerator) != 0) {
            // An empty result leaves the copied selection on the clipboard, so
            // the paste puts the selection back in place of itself.
            (void)WriteClipboardText(Handle(), ToWide(result));
            SendPasteKeys();
        }
    }
    EndRun();
}

void CProcessorWnd::EndRun() {
    current_ = nullptr;
    ::PostQuitMessage(0);
}

void CProcessorWnd::StartClipboardWatch() {
    if (watching_)
        return;
    if (const auto addListener = User32Function("AddClipboardFormatListener")) {
        addListener(Handle());
        usingFormatListener_ = true;
    } else {
        // Joining the chain sends us a WM_DRAWCLIPBOARD that is no change.
        ignoreClipboardMessages_ = true;
        nextViewer_ = ::SetClipboardViewer(Handle());
        ignoreClipboardMessages_ = false;
        usingFormatListener_ = false;
    }
    watching_ = true;
}

void CProcessorWnd::StopClipboardWatch() {
    if (watching_) {
        if (usingFormatListener_) {
            if (const auto removeListener = User32Function("RemoveClipboardFormatListener"))
                removeListener(Handle());
        } else {
            ::ChangeClipboardChain(Handle(), nextViewer_);
        }
    }
    nextViewer_ = nullptr;
    watching_ = false;
}

void CProcessorWnd::OnClipboardChanged() {
    if (ignoreClipboardMessages_ || !watching_)
        return;
    // The copy's first change is the capture: an application that writes the
    // clipboard again in reply to the same copy must not start a second read.
    StopClipboardWatch();
    ::Sleep(kClipboardSettleMs);
    const std::optional<std::wstring> text = ReadClipboardText(Handle());
    selectionText_ = text.value_or(std::wstring());
    ::PostMessageW(Handle(), WM_CAPTURE_DONE, text ? 1 : 0, 0);
}

void CProcessorWnd::ForwardToNextViewer(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!nextViewer_ || ignoreClipboardMessages_)
        return;
    ignoreClipboardMessages_ = true;
    ::SendMessageW(nextViewer_, message, wParam, lParam);
    ignoreClipboardMessages_ = false;
}

}  // namespace lx
