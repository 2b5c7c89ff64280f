#pragma once
// Sole owner of a loaded library.
#include <windows.h>

#include <memory>
#include <type_traits>

namespace lx {

struct LibraryFreer {
    void operator()(HMODULE library) const { ::FreeLibrary(library); }
};
using UniqueLibrary = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFreer>;

}  // namespace lx
