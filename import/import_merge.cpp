#include <windows.h>

#include "accelerator_file_update.h"
#include "data_locations.h"
#include "import_package.h"
#include "zip/unzipper.h"
#include "xml_props.h"

namespace lx {

namespace {

void CopyReplacing(const std::wstring& source, const std::wstring& target) {
    // A copy that fails leaves that item out; nothing is reported.
    ::CopyFileW(source.c_str(), target.c_str(), FALSE);
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
        // A folder that cannot be made shows as the copy failing.
        (void)CUnzipper::EnsureParentFolder(target.c_str());
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
