#include "import_run.h"

#include "data_locations.h"
#include "import_arguments.h"
#include "import_package.h"
#include "signals.h"
#include "xui_engine.h"

namespace lx {

namespace {

struct OpenFailure {
    OpenPackageResult result;
    const wchar_t* id;
    const wchar_t* text;
};

constexpr OpenFailure kOpenFailures[] = {
    {kPackageMissing, L"XUI_STR_IMPORT_NOTFILE", L"The file is not exists:"},
    {kPackageNotArchive, L"XUI_STR_IMPORT_NOTFORMAT", L"The file format is invalid:"},
    {kPackageNotExtracted, L"XUI_STR_IMPORT_UNZIP", L"Impossible to unzip the package:"},
};

template <typename Items>
int CountChosen(const Items& items) {
    int count = 0;
    for (const auto& item : items)
        count += IsChosen(item.properties) ? 1 : 0;
    return count;
}

}  // namespace

std::wstring ImportSummary(const CImportPackage& package, const std::wstring& packagePath) {
    int accelerators = 0, groups = 0;
    for (const CAcceleratorData& entry : package.accelerators) {
        if (!IsChosen(entry.properties))
            continue;
        if (entry.isGroup) {
            ++groups;
            accelerators += CountChosen(entry.entries);
        } else {
            ++accelerators;
        }
    }
    const int modifiers = CountChosen(package.modifiers);
    const int files = CountChosen(package.files);
    const int keptModifiers = static_cast<int>(package.modifiers.size()) - modifiers;
    const int keptFiles = static_cast<int>(package.files.size()) - files;
    const auto kept = [](int count) {
        return count == 0 ? std::wstring() : L" (" + std::to_wstring(count) + L" already installed, kept)";
    };
    return L"Import this package?\r\n" + packagePath + L"\r\n\r\nAccelerators: " + std::to_wstring(accelerators) +
           L"\r\nGroups: " + std::to_wstring(groups) + L"\r\nModifiers: " + std::to_wstring(modifiers) +
           kept(keptModifiers) + L"\r\nFiles: " + std::to_wstring(files) + kept(keptFiles) +
           L"\r\n\r\nOK imports them; Cancel leaves your data unchanged.";
}

void RunImport(std::wstring_view argumentText, const ImportContext& context) {
    const std::wstring caption = context.engine.GetString(L"appname", nullptr, L"Lexorant");
    if (argumentText.empty()) {
        context.ui.ShowMessage(context.engine.GetString(L"XUI_STR_IMPORT_USAGE", nullptr,
                                                        L"Use import.exe <filename> to import the Lexorant package."),
                               caption, MB_ICONINFORMATION);
        return;
    }
    const ImportArguments arguments = ParseImportArguments(argumentText);

    CImportPackage package(context.programFolder);
    const OpenPackageResult opened = package.OpenPackage(arguments.packagePath);
    for (const OpenFailure& failure : kOpenFailures) {
        if (opened == failure.result) {
            context.ui.ShowMessage(std::wstring(context.engine.GetString(failure.id, nullptr, failure.text)) + L"\r\n" +
                                       arguments.packagePath,
                                   caption, MB_ICONERROR);
            return;
        }
    }
    if (!arguments.silent && !context.ui.ConfirmImport(package, arguments.packagePath, caption))
        return;

    // Scripts without the accelerators that use them would be half an import.
    if (!package.ImportAccelerators()) {
        context.ui.ShowMessage(std::wstring(context.engine.GetString(L"XUI_STR_IMPORT_SAVE", nullptr,
                                                                     L"The accelerators could not be saved:")) +
                                   L"\r\n" + DataFolderFor(context.programFolder) + std::wstring(kAcceleratorFileName),
                               caption, MB_ICONERROR);
        package.RemoveTempFolder();
        return;
    }
    package.ImportFiles();
    package.ImportModifiers();
    for (const wchar_t* event : {EVT_RELOAD_ACCELERATORS, EVT_REGISTER_HOTKEYS, EVT_ACCELERATORS_IMPORTED})
        context.signal(event);
    package.RemoveTempFolder();
}

}  // namespace lx
