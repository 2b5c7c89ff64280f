// Counts how often the processor's sound events are signalled:
//   event_listener READYFILE STOPFILE [accelerator|group|error ...]
// Holds the named auto-reset events (the "accelerator" one when none is
// named), creates READYFILE once it does, counts signals until STOPFILE
// exists, then prints the counts, space-separated, in the order named.
// Several signals between two looks count as one, as they would for the
// loader.
#include <windows.h>

#include <string>
#include <vector>

#include "signals.h"
#include "tool_io.h"
#include "unique_handle.h"

namespace {

const wchar_t* SoundEvent(const std::wstring& name) {
    return name == L"accelerator" ? lx::EVT_SOUND_ACCELERATOR
           : name == L"group"     ? lx::EVT_SOUND_GROUP
           : name == L"error"     ? lx::EVT_SOUND_ERROR
                                  : nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3)
        return 2;
    std::vector<std::wstring> names(argv + 3, argv + argc);
    if (names.empty())
        names.emplace_back(L"accelerator");
    std::vector<lx::UniqueHandle> events;
    for (const std::wstring& name : names) {
        const wchar_t* event = SoundEvent(name);
        if (!event)
            return 2;
        events.emplace_back(::CreateEventW(nullptr, FALSE, FALSE, event));
        if (!events.back())
            return 1;
    }
    if (!lx::e2e::WriteFileBytes(argv[1], ""))
        return 1;
    constexpr DWORD kPollMs = 20, kLifetimeMs = 120000;
    const ULONGLONG deadline = ::GetTickCount64() + kLifetimeMs;
    std::vector<int> counts(events.size(), 0);
    bool stopping = false;
    while (!stopping && ::GetTickCount64() < deadline) {
        // The stop file is looked at before the last look at the events, so
        // a signal set before it was created is still counted.
        stopping = ::GetFileAttributesW(argv[2]) != INVALID_FILE_ATTRIBUTES;
        for (size_t i = 0; i < events.size(); ++i) {
            if (::WaitForSingleObject(events[i].get(), 0) == WAIT_OBJECT_0)
                ++counts[i];
        }
        if (!stopping)
            ::Sleep(kPollMs);
    }
    std::string line;
    for (size_t i = 0; i < counts.size(); ++i)
        line += (i ? " " : "") + std::to_string(counts[i]);
    lx::e2e::WriteStdout(line + "\n");
    return stopping ? 0 : 1;
}
