#include "settings_file.h"

#include "data_locations.h"
#include "xml_props.h"

namespace lx {

bool EnsureSettingsFile(const std::wstring& dataFolder) {
    const std::wstring path = dataFolder + std::wstring(kSettingsFileName);
    if (PathExists(path))
        return true;
    CXMLProps settings;
    if (!settings.Create(path, L"settings") || !settings.AppendChild(L"appearance", std::nullopt) ||
        !settings.SetIntAttribute(L"orderby", 0))
        return false;
    settings.Up();
    if (!settings.AppendChild(L"sound", std::nullopt))
        return false;
    return settings.Save();
}

}  // namespace lx
