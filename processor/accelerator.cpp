#include "accelerator.h"

#include "data_locations.h"
#include "group_order.h"
#include "text_compare.h"
#include "xml_props.h"

namespace lx {

bool CAccelerator::Read(CXMLProps& props) {
    id.clear();
    name.reset();
    description.reset();
    body.reset();
    entries.clear();

    const std::optional<std::wstring> elementName = props.GetName();
    if (!elementName)
        return false;
    std::optional<std::wstring> readId = props.GetStringAttribute(L"id", std::nullopt);
    if (!readId)
        return false;
    id = std::move(*readId);
    name = props.GetStringAttribute(L"name", std::nullopt);
    description = props.GetStringAttribute(L"description", std::nullopt);
    hotkey = static_cast<HotkeyValue>(props.GetIntAttribute(L"hotkey", 0));

    if (EqualsIgnoringCase(*elementName, L"accelerator")) {
        isGroup = false;
        body = props.GetText();
        input = static_cast<std::int32_t>(props.GetIntAttribute(L"input", 1));
        output = static_cast<std::int32_t>(props.GetIntAttribute(L"output", 1));
        return true;
    }
    if (EqualsIgnoringCase(*elementName, L"group")) {
        isGroup = true;
        if (props.SelectChild(L"accelerator")) {
            do {
                auto entry = std::make_unique<CAccelerator>();
                if (entry->Read(props))
                    entries.push_back(std::move(entry));
            } while (props.NextSibling());
            props.Up();
        }
        return true;
    }
    return false;
}

std::optional<std::wstring> IdQuery(std::wstring_view id) {
    if (id.find(L'"') != std::wstring_view::npos)
        return std::nullopt;
    return L"*[@id=\"" + std::wstring(id) + L"\"]";
}

std::unique_ptr<CAccelerator> LoadAcceleratorById(std::wstring_view id, std::wstring_view dataFolder) {
    const std::optional<std::wstring> query = IdQuery(id);
    if (!query)
        return nullptr;
    CXMLProps props;
    if (!props.Open(std::wstring(dataFolder) + std::wstring(kAcceleratorFileName), L"accelerators") ||
        !props.SelectChild(*query))
        return nullptr;
    auto accelerator = std::make_unique<CAccelerator>();
    if (!accelerator->Read(props))
        return nullptr;
    // Only a group needs the order setting; reading it costs a second parse.
    if (accelerator->isGroup)
        SortEntries(*accelerator, ReadOrderBy(dataFolder));
    return accelerator;
}

std::unique_ptr<CAccelerator> LoadAcceleratorById(std::wstring_view id) {
    return LoadAcceleratorById(id, GetDataFolder());
}

}  // namespace lx
