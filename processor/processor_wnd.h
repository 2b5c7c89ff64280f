#pragma once
// The processor's hidden window: one run of one accelerator, from capture
// to paste, or of a group, from its popup to the picked entry's run.
#include <windows.h>

#include <memory>
#include <string>

#include "accelerator.h"
#include "lx_core.h"
#include "platform_character_set.h"
#include "script_file_runner.h"
#include "tray_notify_wnd.h"
#include "unique_resource.h"
#include "vn_wnd.h"

namespace lx {

inline constexpr wchar_t kProcessorTitle[] = L"Lexorant Processor";
inline constexpr UINT_PTR kCaptureTimerId = 1;
inline constexpr UINT kCaptureTimeoutMs = 1000;
inline constexpr DWORD kClipboardSettleMs = 250;
inline constexpr wchar_t kKeyTrapLibrary[] = L"keytrap.dll";

class CProcessorWnd final : public CVnWnd {
public:
    CProcessorWnd(HINSTANCE instance, std::unique_ptr<CAccelerator> loaded);
    ~CProcessorWnd() override;

    [[nodiscard]] bool Create();

protected:
    LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnCreate();
    void OnCreateGroup();
    [[nodiscard]] bool InstallGroupKeyHook();
    void OnGroupKey(WPARAM key);
    void RunAccelerator();
    void ExecuteAccelerator();
    void StartClipboardWatch();
    void StopClipboardWatch();
    void OnClipboardChanged();
    void ForwardToNextViewer(UINT message, WPARAM wParam, LPARAM lParam);
    void EndRun();

    HINSTANCE instance_;
    PlatformCharacterSet characters_;
    ScriptFileRunner scripts_;
    CLXCore core_;
    std::unique_ptr<CAccelerator> loaded_;  // kept until the process ends
    CAccelerator* current_ = nullptr;
    std::wstring selectionText_;
    std::wstring clipboardText_;
    // While a group is shown; the hook goes before its library.
    UniqueLibrary hookLibrary_;
    UniqueHook hook_;
    CTrayNotifyWnd popup_;
    HWND nextViewer_ = nullptr;
    bool watching_ = false;
    bool usingFormatListener_ = false;
    bool ignoreClipboardMessages_ = false;
};

}  // namespace lx
