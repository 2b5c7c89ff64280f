#include "data_file.h"

#include "accelerator.h"
#include "commands.h"
#include "console.h"
#include "data_locations.h"
#include "xml_diagnosis.h"
#include "xml_props.h"

namespace lx::cli {

std::wstring AcceleratorFilePath() { return GetDataFolder() + std::wstring(kAcceleratorFileName); }

std::optional<std::wstring> OpenDataFile(CXMLProps& props, const std::wstring& path, std::wstring_view rootName) {
    if (props.Open(path, rootName))
        return std::nullopt;
    if (!PathExists(path))
        return path + L": file not found";
    if (const auto error = DiagnoseXmlFile(path))
        return path + L": line " + std::to_wstring(error->line) + L": " + error->reason;
    return path + L": the root element is not <" + std::wstring(rootName) + L">";
}

int ReportUnreadable(const std::wstring& message) {
    WriteErr(L"lx-cli: " + message + L"\n");
    return kUsageOrUnreadable;
}

int LoadTopLevelEntry(const std::wstring& id, std::unique_ptr<CAccelerator>& entry) {
    {
        CXMLProps probe;
        if (auto failure = OpenDataFile(probe, AcceleratorFilePath(), L"accelerators"))
            return ReportUnreadable(*failure);
    }
    entry = LoadAcceleratorById(id);
    if (!entry) {
        WriteErr(L"lx-cli: no accelerator or group with id \"" + id + L"\" at the top level of " +
                 AcceleratorFilePath() + L"\n");
        return kNotFound;
    }
    return kFound;
}

}  // namespace lx::cli
