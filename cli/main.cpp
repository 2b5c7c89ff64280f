// lx-cli: shows users what their data files mean to the programs.
#include <windows.h>
#include <objbase.h>

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

#include "commands.h"
#include "console.h"
#include "utf8.h"

namespace lx::cli {

namespace {

int Run(int argc, wchar_t** argv) {
    CLI::App app{"Shows what the Lexorant data files mean to the programs.", "lx-cli"};
    app.require_subcommand(1);
    bool asJson = false;
    std::string id, body, selection, clipboard;

    CLI::App* list = app.add_subcommand("list", "Every top-level entry as the loader sees it");
    list->add_flag("--json", asJson, "Print one JSON document");
    CLI::App* show = app.add_subcommand("show", "The entry lx-processor ID would run");
    show->add_option("ID", id, "Accelerator or group id")->required();
    show->add_flag("--json", asJson, "Print one JSON document");
    CLI::App* expand = app.add_subcommand("expand", "The text lx-processor ID would paste");
    expand->add_option("ID", id, "Accelerator id")->required();
    CLI::App* expandTemplate = app.add_subcommand("template", "Expands a template given here");
    expandTemplate->add_option("TEXT", body, "Template text")->required();
    for (CLI::App* command : {expand, expandTemplate}) {
        command->add_option("--sel", selection, "The selected text (default: empty)");
        command->add_option("--clp", clipboard, "The clipboard text (default: empty)");
    }
    CLI::App* check = app.add_subcommand("check", "Reports problems in the user's data");

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
    if (show->parsed())
        return ShowEntry(FromUtf8(id), asJson);
    if (expand->parsed())
        return ExpandEntry(FromUtf8(id), FromUtf8(selection), FromUtf8(clipboard));
    if (expandTemplate->parsed())
        return ExpandTemplate(FromUtf8(body), FromUtf8(selection), FromUtf8(clipboard));
    if (check->parsed())
        return CheckData();
    return kUsageOrUnreadable;
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
