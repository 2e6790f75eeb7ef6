// Taking the shared layout object: one user at a time, waiting users keep messages flowing,
// and a nested use fails instead of waiting for ever.
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>

#include "core/process_hook.h"
#include "report/layout/draw_text.h"

namespace lumaro {
namespace {

TEST(LayoutLock, GuardTakesAndReleases) {
    TfrxDrawText dt;
    {
        DrawTextLock lock(dt);
        EXPECT_TRUE(dt.busy());
    }
    EXPECT_FALSE(dt.busy());
}

TEST(LayoutLock, NestedUseOnTheSameThreadRaises) {
    TfrxDrawText dt;
    DrawTextLock lock(dt);
    EXPECT_THROW(dt.Lock(), std::logic_error);
    EXPECT_TRUE(dt.busy());  // the outer user still holds it
}

// Another thread holds the layout; the waiting user processes messages until it is free.
void waitWhileHeld(TfrxDrawText& dt, const std::atomic<int>& processed) {
    dt.Lock();
    std::atomic<bool> taken{false};
    std::thread other([&] {
        DrawTextLock lock(dt);
        taken = true;
    });
    while (processed.load() < 3) std::this_thread::yield();
    EXPECT_FALSE(taken.load());
    dt.Unlock();
    other.join();
    EXPECT_TRUE(taken.load());
    EXPECT_FALSE(dt.busy());
}

TEST(LayoutLock, WaitingUserProcessesTheProcessWideMessages) {
    TfrxDrawText dt;
    std::atomic<int> processed{0};
    ScopedProcessMessagesHook hook([&] { ++processed; });
    waitWhileHeld(dt, processed);
}

TEST(LayoutLock, WaitingUserProcessesItsReportsMessages) {
    TfrxDrawText dt;
    std::atomic<int> processed{0}, processWide{0};
    ScopedProcessMessagesHook hook([&] { ++processWide; });
    dt.setMessageProcessing([&] { ++processed; });
    waitWhileHeld(dt, processed);
    EXPECT_EQ(processWide.load(), 0);
}

TEST(LayoutLock, GlobalLayoutObjectIsOne) { EXPECT_EQ(&frxDrawText(), &frxDrawText()); }

}  // namespace
}  // namespace lumaro
