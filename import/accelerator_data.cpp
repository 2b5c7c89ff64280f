#include "accelerator_data.h"

#include "text_compare.h"
#include "xml_props.h"

namespace lx {

bool CAcceleratorData::Read(CXMLProps& props) {
    *this = CAcceleratorData();
    const std::optional<std::wstring> elementName = props.GetName();
    if (!elementName)
        return false;
    id = props.GetStringAttribute(L"id", std::nullopt);
    if (!id)
        return false;
    name = props.GetStringAttribute(L"name", std::nullopt);
    description = props.GetStringAttribute(L"description", std::nullopt);
    hotkey = props.GetIntAttribute(L"hotkey", 0);

    if (EqualsIgnoringCase(*elementName, L"accelerator")) {
        body = props.GetText();
        input = static_cast<std::int32_t>(props.GetIntAttribute(L"input", 1));
        output = static_cast<std::int32_t>(props.GetIntAttribute(L"output", 1));
        return true;
    }
    if (EqualsIgnoringCase(*elementName, L"group")) {
        isGroup = true;
        if (props.SelectChild(L"accelerator")) {
            do {
                CAcceleratorData entry;
                // A group inside a group could only be written back as an
                // accelerator without body; such entries are left out.
                if (entry.Read(props) && !entry.isGroup)
                    entries.push_back(std::move(entry));
            } while (props.NextSibling());
            props.Up();
        }
        return true;
    }
    return false;
}

bool CAcceleratorData::Write(CXMLProps& props) const {
    bool written = props.SetStringAttribute(L"id", id.value_or(L"")) &&
                   props.SetStringAttribute(L"name", name.value_or(L"")) &&
                   props.SetStringAttribute(L"description", description.value_or(L"")) &&
                   props.SetIntAttribute(L"hotkey", static_cast<std::int32_t>(hotkey & 0xFFFF));
    if (!isGroup)
        return written && props.SetIntAttribute(L"input", input) && props.SetIntAttribute(L"output", output);
    for (const CAcceleratorData& entry : entries) {
        // An entry the user left out inside a chosen group stays out.
        if (!IsChosen(entry.properties))
            continue;
        const int depth = props.Depth();
        if (!props.AppendChild(L"accelerator", entry.body.value_or(L""))) {
            if (props.Depth() > depth)
                props.Up();
            return false;
        }
        written = entry.Write(props) && written;
        props.Up();
    }
    return written;
}

}  // namespace lx
