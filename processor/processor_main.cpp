// lx-processor: one run of the accelerator or group named on the command line.
#include <windows.h>
#include <ole2.h>

#include "accelerator.h"
#include "command_line.h"
#include "processor_wnd.h"
#include "vn_dib.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    ::OleInitialize(nullptr);
    // Without the image decoder a group's popup shows its texts only.
    const bool imagesDecodable = lx::CVnDIB::InitLibrary();
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
    if (imagesDecodable)
        lx::CVnDIB::ReleaseLibrary();
    ::OleUninitialize();
    return 0;
}
