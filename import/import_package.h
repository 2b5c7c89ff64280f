#pragma once
// An opened package: unpacked into a private extraction folder, with the
// accelerators, modifiers and supporting files it offers, each with an
// install choice; and the merge of the chosen items into the user's data.
#include <optional>
#include <string>
#include <vector>

#include "accelerator_data.h"
#include "install_flag.h"
#include "script_info.h"
#include "zip/zip_limits.h"

namespace lx {

// A file below the package's "scripts" folder that is not a script.
struct CPackageFile {
    std::wstring relativePath;  // "\" separated, e.g. lib\util.js
    ItemProperties properties;
};

enum OpenPackageResult : int {
    kPackageOpened = 0,
    kPackageMissing = 1,
    kPackageNotArchive = 2,
    kPackageNotExtracted = 3,
};

class CImportPackage {
public:
    // The user's data is found as a program in `programFolder` finds it.
    explicit CImportPackage(std::wstring programFolder, zip::Limits limits = {});
    CImportPackage();
    virtual ~CImportPackage();
    CImportPackage(const CImportPackage&) = delete;
    CImportPackage& operator=(const CImportPackage&) = delete;

    [[nodiscard]] OpenPackageResult OpenPackage(const std::wstring& packagePath);
    // Deletes the extraction folder, if one is recorded.
    void RemoveTempFolder();

    // Fresh ids for every listed entry and every accelerator of a group, all
    // chosen for installing.
    void AssignNewIds();

    // False when the accelerator file could not be written; it is then unchanged.
    [[nodiscard]] bool ImportAccelerators();
    void ImportFiles();
    void ImportModifiers();

    const std::optional<std::wstring>& ExtractionFolder() const { return extractionFolder_; }

    std::vector<CAcceleratorData> accelerators;
    std::vector<script::script_info> modifiers;
    std::vector<CPackageFile> files;

private:
    void LoadAcceleratorList();
    void LoadFileList();
    void LoadModifierList();
    void CollectFiles(const std::wstring& base, const std::wstring& relativeFolder);
    std::wstring PackageScriptsFolder() const;

    std::wstring programFolder_;
    zip::Limits limits_;
    std::optional<std::wstring> extractionFolder_;
};

}  // namespace lx
