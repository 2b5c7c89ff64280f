#pragma once
// Sole owner of an installed windows hook.
#include <windows.h>

#include <memory>
#include <type_traits>

namespace lx {

struct HookRemover {
    void operator()(HHOOK hook) const { ::UnhookWindowsHookEx(hook); }
};
using UniqueHook = std::unique_ptr<std::remove_pointer_t<HHOOK>, HookRemover>;

}  // namespace lx
