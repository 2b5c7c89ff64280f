#include "vn_thread.h"

namespace lx {

CVnThread::CVnThread() : stopEvent_(::CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}

CVnThread::~CVnThread() { Stop(); }

bool CVnThread::Start() {
    Stop();
    thread_.reset(::CreateThread(nullptr, 0, StartRoutine, this, 0, &threadId_));
    return static_cast<bool>(thread_);
}

void CVnThread::Stop() {
    if (!thread_)
        return;
    ::SetEvent(stopEvent_.get());
    ::WaitForSingleObject(thread_.get(), INFINITE);
    thread_.reset();
}

DWORD WINAPI CVnThread::StartRoutine(void* object) { return static_cast<CVnThread*>(object)->Run(); }

}  // namespace lx
