#include "platform/Clock.h"

#include <QCoreApplication>
#include <QThread>
#include <chrono>

namespace {
WaitHooks& hooks() {
    static WaitHooks instance;
    return instance;
}
} // namespace

uint32_t GetTickCount() {
    if (hooks().tickCount)
        return hooks().tickCount();
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

void Sleep(uint32_t ms) {
    if (hooks().sleep)
        hooks().sleep(ms);
    else
        QThread::msleep(ms);
}

void ProcessMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void SetWaitHooks(WaitHooks newHooks) {
    hooks() = std::move(newHooks);
}
