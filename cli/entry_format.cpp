#include "entry_format.h"

#include "accelerator.h"
#include "hotkey_text.h"
#include "utf8.h"

namespace lx::cli {

namespace {

const wchar_t* KindOf(const CAccelerator& entry) { return entry.isGroup ? L"group" : L"accelerator"; }

nlohmann::ordered_json OptionalText(const std::optional<std::wstring>& text) {
    return text ? nlohmann::ordered_json(ToUtf8(*text)) : nlohmann::ordered_json(nullptr);
}

}  // namespace

nlohmann::ordered_json EntryJson(const CAccelerator& entry, Detail detail) {
    nlohmann::ordered_json json;
    json["kind"] = ToUtf8(KindOf(entry));
    json["id"] = ToUtf8(entry.id);
    json["name"] = OptionalText(entry.name);
    json["description"] = OptionalText(entry.description);
    json["hotkey"] = entry.hotkey;
    json["hotkeyText"] = ToUtf8(HotkeyText(entry.hotkey));
    if (!entry.isGroup) {
        json["input"] = entry.input;
        json["output"] = entry.output;
    }
    if (detail == Detail::Full) {
        if (entry.isGroup) {
            json["entries"] = nlohmann::ordered_json::array();
            for (const auto& member : entry.entries)
                json["entries"].push_back(EntryJson(*member, Detail::Full));
        } else {
            json["body"] = OptionalText(entry.body);
        }
    }
    return json;
}

std::wstring EntryLine(const CAccelerator& entry) {
    return entry.id + L"\t" + std::to_wstring(entry.hotkey) + L"\t" + HotkeyText(entry.hotkey) + L"\t" +
           KindOf(entry) + L"\t" + entry.name.value_or(L"");
}

std::wstring EntryDetails(const CAccelerator& entry) {
    std::wstring text;
    text += L"kind: " + std::wstring(KindOf(entry)) + L"\n";
    text += L"id: " + entry.id + L"\n";
    text += L"name: " + entry.name.value_or(L"") + L"\n";
    text += L"description: " + entry.description.value_or(L"") + L"\n";
    text += L"hotkey: " + std::to_wstring(entry.hotkey) + L" (" + HotkeyText(entry.hotkey) + L")\n";
    if (entry.isGroup) {
        text += L"entries:\n";
        for (const auto& member : entry.entries)
            text += L"  " + EntryLine(*member) + L"\n";
    } else {
        text += L"input: " + std::to_wstring(entry.input) + L"\n";
        text += L"output: " + std::to_wstring(entry.output) + L"\n";
        text += L"body:\n" + entry.body.value_or(L"") + L"\n";
    }
    return text;
}

}  // namespace lx::cli
