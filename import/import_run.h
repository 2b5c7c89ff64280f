#pragma once
// One run of the import program, with its user interface and its signals
// behind small seams.
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace lx {

class CImportPackage;
class CXUIEngine;

class ImportUi {
public:
    virtual ~ImportUi() = default;
    // `icon` is MB_ICONINFORMATION or MB_ICONERROR.
    virtual void ShowMessage(const std::wstring& text, const std::wstring& caption, UINT icon) = 0;
    // Shows what the package offers; true when the user chose to import.
    virtual bool ConfirmImport(const CImportPackage& package, const std::wstring& packagePath,
                               const std::wstring& caption) = 0;
};

struct ImportContext {
    CXUIEngine& engine;
    ImportUi& ui;
    std::function<void(const wchar_t* eventName)> signal;
    // The user's data is found as a program in this folder finds it.
    std::wstring programFolder;
};

// Opens the package named by the command line's argument text, lets the user
// confirm unless silent, merges and signals the loader. Reports usage and
// open failures as messages.
void RunImport(std::wstring_view argumentText, const ImportContext& context);

// What the confirmation shows: how much of the package will be installed.
std::wstring ImportSummary(const CImportPackage& package, const std::wstring& packagePath);

}  // namespace lx
