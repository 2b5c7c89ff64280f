#include "vn_thread.h"

#include <gtest/gtest.h>

#include <atomic>

#include "signals.h"
#include "unique_handle.h"

namespace lx {
namespace {

class WaitingThread : public CVnThread {
public:
    std::atomic<int> started{0};
    std::atomic<int> finished{0};
    std::atomic<int> overlapping{0};

protected:
    DWORD Run() override {
        if (started - finished != 0)
            ++overlapping;
        ++started;
        ::WaitForSingleObject(StopEvent(), INFINITE);
        ++finished;
        return 7;
    }
};

TEST(CVnThread, StopEndsRunAndRestartStopsTheOldThreadFirst) {
    WaitingThread thread;
    thread.Stop();  // never started: returns at once
    ASSERT_TRUE(thread.Start());
    while (thread.started == 0)
        ::Sleep(1);
    ASSERT_TRUE(thread.Start());
    while (thread.started < 2)
        ::Sleep(1);
    EXPECT_EQ(thread.finished, 1);
    EXPECT_EQ(thread.overlapping, 0);
    thread.Stop();
    EXPECT_EQ(thread.finished, 2);
    thread.Stop();
    EXPECT_EQ(thread.finished, 2);
}

TEST(Signals, EventsCollapseAndNamesAreExact) {
    const UniqueHandle held(::CreateEventW(nullptr, FALSE, FALSE, EVT_SOUND_ERROR));
    const UniqueHandle lowerCase(::CreateEventW(nullptr, FALSE, FALSE, L"34c10579-56b4-4122-9d8e-022a20f48eaf"));
    ASSERT_TRUE(held);
    for (int i = 0; i < 3; ++i)
        SignalEvent(EVT_SOUND_ERROR);
    EXPECT_EQ(::WaitForSingleObject(held.get(), 0), WAIT_OBJECT_0);
    EXPECT_EQ(::WaitForSingleObject(held.get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_EQ(::WaitForSingleObject(lowerCase.get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
}

TEST(Signals, SignalWithoutListenerIsLost) {
    SignalEvent(EVT_SOUND_GROUP);
    const UniqueHandle later(::CreateEventW(nullptr, FALSE, FALSE, EVT_SOUND_GROUP));
    EXPECT_EQ(::WaitForSingleObject(later.get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
}

}  // namespace
}  // namespace lx
