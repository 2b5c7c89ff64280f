// Counts how often the processor's "accelerator" sound event is signalled:
//   event_listener READYFILE STOPFILE
// Holds the named auto-reset event, creates READYFILE once it does, counts
// signals until STOPFILE exists, then prints the count. Several signals
// between two waits count as one, as they would for the loader.
#include <windows.h>

#include <string>

#include "signals.h"
#include "tool_io.h"
#include "unique_handle.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 3)
        return 2;
    const lx::UniqueHandle event(::CreateEventW(nullptr, FALSE, FALSE, lx::EVT_SOUND_ACCELERATOR));
    if (!event || !lx::e2e::WriteFileBytes(argv[1], ""))
        return 1;
    constexpr DWORD kPollMs = 20, kLifetimeMs = 120000;
    const ULONGLONG deadline = ::GetTickCount64() + kLifetimeMs;
    int count = 0;
    bool stopping = false;
    while (::GetTickCount64() < deadline) {
        // The stop file is looked at before the wait, so a signal set before
        // it was created is still counted.
        stopping = ::GetFileAttributesW(argv[2]) != INVALID_FILE_ATTRIBUTES;
        if (::WaitForSingleObject(event.get(), stopping ? 0 : kPollMs) == WAIT_OBJECT_0)
            ++count;
        else if (stopping)
            break;
    }
    lx::e2e::WriteStdout(std::to_string(count) + "\n");
    return stopping ? 0 : 1;
}
