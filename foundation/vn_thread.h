#pragma once
// Owns one worker thread and the event that asks it to finish. Run must
// include StopEvent() in every wait and return soon after it is signalled.
#include <windows.h>

#include "unique_handle.h"

namespace lx {

class CVnThread {
public:
    CVnThread();
    virtual ~CVnThread();
    CVnThread(const CVnThread&) = delete;
    CVnThread& operator=(const CVnThread&) = delete;

    [[nodiscard]] bool Start();
    void Stop();

protected:
    virtual DWORD Run() = 0;
    HANDLE StopEvent() const { return stopEvent_.get(); }

private:
    static DWORD WINAPI StartRoutine(void* object);

    UniqueHandle thread_;
    UniqueHandle stopEvent_;
    DWORD threadId_ = 0;
};

}  // namespace lx
