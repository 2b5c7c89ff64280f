#pragma once
// Sole owners of handles that one platform call releases.
#include <windows.h>

#include <memory>
#include <type_traits>

namespace lx {

template <auto Release>
struct ReleaseWith {
    template <class Handle>
    void operator()(Handle handle) const {
        Release(handle);
    }
};

template <class Handle, auto Release>
using UniqueResource = std::unique_ptr<std::remove_pointer_t<Handle>, ReleaseWith<Release>>;

using UniqueLibrary = UniqueResource<HMODULE, &::FreeLibrary>;
using UniqueHook = UniqueResource<HHOOK, &::UnhookWindowsHookEx>;

}  // namespace lx
