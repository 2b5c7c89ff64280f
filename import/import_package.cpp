#include "import_package.h"

#include <cstdint>
#include <limits>

#include "data_locations.h"
#include "extraction_folder.h"
#include "folder_listing.h"
#include "new_id.h"
#include "xml_props.h"
#include "zip/unzipper.h"

namespace lx {

namespace {

std::uint64_t CountEntries(CUnzipper& unzipper) {
    std::uint64_t count = 0;
    if (unzipper.FirstEntry())
        do
            ++count;
        while (unzipper.NextEntry());
    return count;
}

}  // namespace

CImportPackage::CImportPackage(std::wstring programFolder, zip::Limits limits)
    : programFolder_(std::move(programFolder)), limits_(limits) {}

CImportPackage::CImportPackage() : CImportPackage(ProgramFolder()) {}

// The folder is removed here too, so that no early return of a caller can
// leave it behind.
CImportPackage::~CImportPackage() { RemoveTempFolder(); }

OpenPackageResult CImportPackage::OpenPackage(const std::wstring& packagePath) {
    if (packagePath.empty() || !PathExists(packagePath))
        return kPackageMissing;
    const std::optional<std::wstring> folder = MakeExtractionFolder();
    if (!folder)
        return kPackageNotExtracted;
    {
        // Too many entries make a package that cannot be extracted, not one
        // that is no archive: the reader opens it and the count is checked here.
        zip::Limits openLimits = limits_;
        openLimits.maxEntries = std::numeric_limits<std::uint64_t>::max();
        CUnzipper unzipper(openLimits);
        if (!unzipper.OpenArchive(packagePath.c_str())) {
            RemoveFolderTree(*folder);
            return kPackageNotArchive;
        }
        if (CountEntries(unzipper) > limits_.maxEntries || !unzipper.ExtractAll(folder->c_str())) {
            unzipper.CloseArchive();
            RemoveFolderTree(*folder);
            return kPackageNotExtracted;
        }
        unzipper.CloseArchive();
    }
    RemoveTempFolder();
    extractionFolder_ = *folder;
    accelerators.clear();
    modifiers.clear();
    files.clear();
    LoadAcceleratorList();
    LoadFileList();
    LoadModifierList();
    return kPackageOpened;
}

void CImportPackage::RemoveTempFolder() {
    if (extractionFolder_)
        RemoveFolderTree(*extractionFolder_);
    extractionFolder_.reset();
}

std::wstring CImportPackage::PackageScriptsFolder() const { return *extractionFolder_ + L"\\scripts\\"; }

void CImportPackage::LoadAcceleratorList() {
    {
        CXMLProps props;
        if (props.Open(BoundedPath(*extractionFolder_ + L"\\" + std::wstring(kAcceleratorFileName)), L"accelerators") &&
            props.FirstChild()) {
            do {
                CAcceleratorData entry;
                if (entry.Read(props))
                    accelerators.push_back(std::move(entry));
            } while (props.NextSibling());
        }
    }
    AssignNewIds();
}

void CImportPackage::AssignNewIds() {
    for (CAcceleratorData& entry : accelerators) {
        entry.id = NewId();
        SetChosen(entry.properties, true);
        for (CAcceleratorData& member : entry.entries) {
            member.id = NewId();
            SetChosen(member.properties, true);
        }
    }
}

void CImportPackage::CollectFiles(const std::wstring& base, const std::wstring& relativeFolder) {
    const std::wstring prefix = relativeFolder.empty() ? std::wstring() : relativeFolder + L"\\";
    for (const FolderEntry& entry : ListFolder(BoundedPath(base + prefix + L"*.*"))) {
        const std::wstring relativeName = prefix + entry.name;
        if (entry.isFolder)
            CollectFiles(base, relativeName);
        else if (!script::HasScriptExtension(entry.name))
            files.push_back({relativeName, {}});
    }
}

void CImportPackage::LoadFileList() {
    CollectFiles(PackageScriptsFolder(), L"");
    const std::wstring scriptsFolder = ScriptsFolderFor(programFolder_);
    for (CPackageFile& file : files)
        SetChosen(file.properties, !PathExists(BoundedPath(scriptsFolder + file.relativePath)));
}

void CImportPackage::LoadModifierList() {
    script::ListScripts(PackageScriptsFolder(), modifiers);
    const std::wstring scriptsFolder = ScriptsFolderFor(programFolder_);
    for (script::script_info& modifier : modifiers)
        SetChosen(modifier.properties,
                  !PathExists(BoundedPath(scriptsFolder + modifier.name + std::wstring(kScriptExtension))));
}

}  // namespace lx
