// lx-processor: one run of the accelerator or group named on the command line.
#include <windows.h>
#include <ole2.h>

#include "accelerator.h"
#include "command_line.h"
#include "processor_wnd.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    ::OleInitialize(nullptr);
    // An unknown id ends the run at once: no window, no signal.
    if (auto loaded = lx::LoadAcceleratorById(lx::ArgumentText(::GetCommandLineW()))) {
        lx::CProcessorWnd window(instance, std::move(loaded));
        if (window.Create()) {
            MSG message;
            while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
                ::TranslateMessage(&message);
                ::DispatchMessageW(&message);
            }
        }
    }
    ::OleUninitialize();
    return 0;
}
