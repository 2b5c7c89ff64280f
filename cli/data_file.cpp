#include "data_file.h"

#include <windows.h>

#include "xml_diagnosis.h"
#include "xml_props.h"

namespace lx::cli {

std::optional<std::wstring> OpenDataFile(CXMLProps& props, const std::wstring& path, std::wstring_view rootName) {
    if (props.Open(path, rootName))
        return std::nullopt;
    if (::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return path + L": file not found";
    if (const auto error = DiagnoseXmlFile(path))
        return path + L": line " + std::to_wstring(error->line) + L": " + error->reason;
    return path + L": the root element is not <" + std::wstring(rootName) + L">";
}

}  // namespace lx::cli
