#pragma once
// Holds a named mutex for the lifetime of the object.
#include <windows.h>

#include "unique_handle.h"

namespace lx {

class NamedMutexLock {
public:
    // Waits without limit: holders only read and write one file. A mutex left
    // by a process that died counts as acquired.
    explicit NamedMutexLock(const wchar_t* name) : mutex_(::CreateMutexW(nullptr, FALSE, name)) {
        if (mutex_) {
            const DWORD wait = ::WaitForSingleObject(mutex_.get(), INFINITE);
            owned_ = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
        }
    }
    ~NamedMutexLock() {
        if (owned_)
            ::ReleaseMutex(mutex_.get());
    }
    NamedMutexLock(const NamedMutexLock&) = delete;
    NamedMutexLock& operator=(const NamedMutexLock&) = delete;

    bool owned() const { return owned_; }

private:
    UniqueHandle mutex_;
    bool owned_ = false;
};

}  // namespace lx
