// lx-cli: shows users what their data files mean to the programs.
#include <windows.h>
#include <objbase.h>

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

#include "accelerator.h"
#include "console.h"
#include "data_file.h"
#include "data_locations.h"
#include "entry_format.h"
#include "utf8.h"
#include "xml_props.h"

namespace lx::cli {

namespace {

enum ExitCode { kFound = 0, kNotFound = 1, kUsageOrUnreadable = 2 };

void PrintJson(const nlohmann::ordered_json& json) { WriteOut(FromUtf8(json.dump(2)) + L"\n"); }

int ReportUnreadable(const std::wstring& message) {
    WriteErr(L"lx-cli: " + message + L"\n");
    return kUsageOrUnreadable;
}

std::wstring AcceleratorFile() { return GetDataFolder() + std::wstring(kAcceleratorFileName); }

int ListEntries(bool asJson) {
    CXMLProps props;
    const std::wstring path = AcceleratorFile();
    if (auto failure = OpenDataFile(props, path, L"accelerators"))
        return ReportUnreadable(*failure);
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    std::wstring lines;
    if (props.FirstChild()) {
        do {
            CAccelerator entry;
            if (!entry.Read(props))
                continue;
            if (asJson)
                list.push_back(EntryJson(entry, Detail::Summary));
            else
                lines += EntryLine(entry) + L"\n";
        } while (props.NextSibling());
    }
    if (asJson)
        PrintJson(list);
    else
        WriteOut(lines);
    return kFound;
}

int ShowEntry(const std::wstring& id, bool asJson) {
    {
        CXMLProps probe;
        if (auto failure = OpenDataFile(probe, AcceleratorFile(), L"accelerators"))
            return ReportUnreadable(*failure);
    }
    const std::unique_ptr<CAccelerator> entry = LoadAcceleratorById(id);
    if (!entry) {
        WriteErr(L"lx-cli: no accelerator or group with id \"" + id + L"\" at the top level of " + AcceleratorFile() + L"\n");
        return kNotFound;
    }
    if (asJson)
        PrintJson(EntryJson(*entry, Detail::Full));
    else
        WriteOut(EntryDetails(*entry));
    return kFound;
}

int Run(int argc, wchar_t** argv) {
    CLI::App app{"Shows what the accelerator file means to the Lexorant programs.", "lx-cli"};
    app.require_subcommand(1);
    bool asJson = false;
    CLI::App* list = app.add_subcommand("list", "Every top-level entry as the loader sees it");
    list->add_flag("--json", asJson, "Print one JSON document");
    std::string id;
    CLI::App* show = app.add_subcommand("show", "The entry lx-processor ID would run");
    show->add_option("ID", id, "Accelerator or group id")->required();
    show->add_flag("--json", asJson, "Print one JSON document");

    // CLI11 expects the arguments after the program name, last first.
    std::vector<std::string> arguments;
    for (int i = argc - 1; i > 0; --i)
        arguments.push_back(ToUtf8(argv[i]));
    try {
        app.parse(arguments);
    } catch (const CLI::CallForHelp&) {
        WriteOut(FromUtf8(app.help()));
        return kFound;
    } catch (const CLI::ParseError& error) {
        WriteErr(L"lx-cli: " + FromUtf8(error.what()) + L"\n" + FromUtf8(app.help()));
        return kUsageOrUnreadable;
    }
    if (list->parsed())
        return ListEntries(asJson);
    return ShowEntry(FromUtf8(id), asJson);
}

}  // namespace

}  // namespace lx::cli

int wmain(int argc, wchar_t** argv) {
    if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return lx::cli::kUsageOrUnreadable;
    const int code = lx::cli::Run(argc, argv);
    ::CoUninitialize();
    return code;
}
