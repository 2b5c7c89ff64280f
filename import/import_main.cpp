// import: installs a package's accelerators, modifiers and files.
#include <windows.h>
#include <ole2.h>

#include "command_line.h"
#include "data_locations.h"
#include "import_package.h"
#include "import_run.h"
#include "signals.h"
#include "xui_engine.h"

namespace {

class MessageBoxUi : public lx::ImportUi {
public:
    void ShowMessage(const std::wstring& text, const std::wstring& caption, UINT icon) override {
        ::MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_OK | icon);
    }
    bool ConfirmImport(const lx::CImportPackage& package, const std::wstring& packagePath,
                       const std::wstring& caption) override {
        return ::MessageBoxW(nullptr, lx::ImportSummary(package, packagePath).c_str(), caption.c_str(),
                             MB_OKCANCEL | MB_ICONQUESTION | MB_DEFBUTTON1) == IDOK;
    }
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    ::OleInitialize(nullptr);
    {
        lx::CXUIEngine engine(instance);
        MessageBoxUi ui;
        lx::RunImport(lx::ArgumentText(::GetCommandLineW()), {engine, ui, lx::SignalEvent, lx::ProgramFolder()});
    }
    ::OleUninitialize();
    return 0;
}
