#include <memory>

#include "accelerator.h"
#include "commands.h"
#include "console.h"
#include "data_file.h"
#include "data_locations.h"
#include "entry_format.h"
#include "utf8.h"
#include "xml_props.h"

namespace lx::cli {

namespace {

void PrintJson(const nlohmann::ordered_json& json) { WriteOut(FromUtf8(json.dump(2)) + L"\n"); }

}  // namespace

int ListEntries(bool asJson) {
    CXMLProps props;
    if (auto failure = OpenDataFile(props, AcceleratorFilePath(), L"accelerators"))
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
    std::unique_ptr<CAccelerator> entry;
    if (const int code = LoadTopLevelEntry(id, entry); code != kFound)
        return code;
    if (asJson)
        PrintJson(EntryJson(*entry, Detail::Full));
    else
        WriteOut(EntryDetails(*entry));
    return kFound;
}

}  // namespace lx::cli
