// Prints how long merging a package's accelerators into a user's accelerator
// file of the same size takes, against only loading and saving that file
// unchanged in the same run. Flat per-accelerator times across the sizes
// show that the merge grows linearly.
#include <windows.h>
#include <objbase.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "data_locations.h"
#include "import_package.h"
#include "zip_builder.h"
#include "xml_props.h"

#include "best_time.h"

namespace {


constexpr int kRepetitions = 3;

double BestSeconds(const std::function<void()>& prepare, const std::function<void()>& run) {
    return lx::bench::BestSeconds(kRepetitions, run, prepare);
}

std::string AcceleratorDocument(int count, const char* prefix) {
    std::string document = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<accelerators>\n";
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(i);
        document += "  <accelerator id=\"" + std::string(prefix) + n + "\" name=\"Accelerator " + n +
                    "\" description=\"Wraps the selection, number " + n + "\" hotkey=\"" +
                    std::to_string(577 + i % 200) + "\" input=\"1\" output=\"1\">[{{sel:upper}}] " + n +
                    "</accelerator>\n";
    }
    return document + "</accelerators>\n";
}

void WriteFile(const std::wstring& path, const std::string& bytes) {
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file)
        return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

}  // namespace

int wmain() {
    if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 1;
    wchar_t temp[MAX_PATH] = L"";
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring program = std::wstring(temp) + L"lx-import-bench-" + std::to_wstring(::GetCurrentProcessId()) + L"\\";
    std::filesystem::create_directories(program);
    WriteFile(program + L"portable", "");
    const std::wstring userFile = program + std::wstring(lx::kAcceleratorFileName);
    const std::wstring packagePath = program + L"bench.lxpack";

    std::printf("%8s %12s %12s %14s %8s %16s\n", "entries", "open ms", "merge ms", "load+save ms", "ratio",
                "merge us/entry");
    for (int count : {2500, 5000, 10000}) {
        const std::string userDocument = AcceleratorDocument(count, "user-");
        WriteFile(packagePath, lx::test::BuildZip({lx::test::Deflated("accelerators.xml", AcceleratorDocument(count, "pkg-"))}));

        const double baseline = BestSeconds([&] { WriteFile(userFile, userDocument); }, [&] {
            lx::CXMLProps props;
            if (props.Open(userFile, L"accelerators"))
                (void)props.Save();
        });
        const double open = BestSeconds([] {}, [&] {
            lx::CImportPackage package(program);
            (void)package.OpenPackage(packagePath);
        });
        lx::CImportPackage package(program);
        if (package.OpenPackage(packagePath) != lx::kPackageOpened || package.accelerators.size() != size_t(count)) {
            std::printf("the package did not open\n");
            return 1;
        }
        const double merge = BestSeconds([&] { WriteFile(userFile, userDocument); }, [&] { (void)package.ImportAccelerators(); });
        std::printf("%8d %12.1f %12.1f %14.1f %8.2f %16.2f\n", count, open * 1e3, merge * 1e3, baseline * 1e3,
                    merge / baseline, merge * 1e6 / count);
    }
    std::error_code ignored;
    for (const auto& item : std::filesystem::recursive_directory_iterator(program, ignored))
        ::SetFileAttributesW(item.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove_all(program, ignored);
    ::CoUninitialize();
    return 0;
}
