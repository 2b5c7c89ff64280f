#include <windows.h>
#include <shlobj.h>

#include "accelerator_file_update.h"
#include "data_locations.h"
#include "import_package.h"
#include "xml_props.h"

namespace lx {

namespace {

void CopyReplacing(const std::wstring& source, const std::wstring& target) {
    // A copy that fails leaves that item out; nothing is reported.
    ::CopyFileW(source.c_str(), target.c_str(), FALSE);
}

void EnsureParentFolderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L'\\');
    if (slash == std::wstring::npos)
        return;
    std::wstring folder = path.substr(0, slash);
    while (!folder.empty() && folder.back() == L'\\')
        folder.pop_back();
    if (!folder.empty() && !PathExists(folder))
        ::SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
}

}  // namespace

bool CImportPackage::ImportAccelerators() {
    return UpdateAcceleratorFile(DataFolderFor(programFolder_) + std::wstring(kAcceleratorFileName), [this](CXMLProps& props) {
        for (const CAcceleratorData& entry : accelerators) {
            if (!IsChosen(entry.properties))
                continue;
            const int depth = props.Depth();
            const std::optional<std::wstring_view> text =
                entry.isGroup || !entry.body ? std::nullopt : std::optional<std::wstring_view>(*entry.body);
            if (props.AppendChild(entry.isGroup ? L"group" : L"accelerator", text))
                (void)entry.Write(props);
            while (props.Depth() > depth)
                props.Up();
        }
    });
}

void CImportPackage::ImportFiles() {
    if (!extractionFolder_)
        return;
    const std::wstring scriptsFolder = ScriptsFolderFor(programFolder_);
    for (const CPackageFile& file : files) {
        if (!IsChosen(file.properties))
            continue;
        const std::wstring target = BoundedPath(scriptsFolder + file.relativePath);
        EnsureParentFolderOf(target);
        CopyReplacing(BoundedPath(PackageScriptsFolder() + file.relativePath), target);
    }
}

void CImportPackage::ImportModifiers() {
    if (!extractionFolder_)
        return;
    const std::wstring scriptsFolder = ScriptsFolderFor(programFolder_);
    const std::wstring extension(kScriptExtension);
    for (const script::script_info& modifier : modifiers) {
        if (IsChosen(modifier.properties))
            CopyReplacing(BoundedPath(PackageScriptsFolder() + modifier.name + extension),
                          BoundedPath(scriptsFolder + modifier.name + extension));
    }
}

}  // namespace lx
