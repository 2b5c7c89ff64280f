#include "signals.h"

#include "unique_handle.h"

namespace lx {

void SignalEvent(const wchar_t* name) {
    const UniqueHandle event(::CreateEventW(nullptr, FALSE, FALSE, name));
    if (event)
        ::SetEvent(event.get());
}

}  // namespace lx
