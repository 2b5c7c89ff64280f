#include "accelerator_data.h"

#include "accelerator.h"
#include "xml_props.h"

namespace lx {

namespace {

CAcceleratorData FromAccelerator(const CAccelerator& read) {
    CAcceleratorData data;
    data.id = read.id;
    data.hotkey = read.hotkey;
    data.name = read.name;
    data.description = read.description;
    data.isGroup = read.isGroup;
    data.input = read.input;
    data.output = read.output;
    data.body = read.body;
    for (const auto& entry : read.entries) {
        // A group inside a group could only be written back as an
        // accelerator without body; such entries are left out.
        if (!entry->isGroup)
            data.entries.push_back(FromAccelerator(*entry));
    }
    return data;
}

}  // namespace

// Read as the processor reads an entry, but keeping the whole hotkey value.
bool CAcceleratorData::Read(CXMLProps& props) {
    CAccelerator read;
    if (!read.Read(props))
        return false;
    *this = FromAccelerator(read);
    hotkey = props.GetIntAttribute(L"hotkey", 0);
    return true;
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
