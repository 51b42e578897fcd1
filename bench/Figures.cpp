#include "bench/Figures.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>

void PrintFigure(const std::string& label, double value, const std::string& unit, double reference,
                 const std::string& kind) {
    std::printf("figure|%s|%.6g|%s|%.6g|%s\n", label.c_str(), value, unit.c_str(), reference,
                kind.c_str());
    std::fflush(stdout);
}

double NowMs() {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double, std::milli>(since).count();
}

double ProcessCpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

long ResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

bool PumpUntil(const std::function<bool()>& done, int guardMs) {
    const double deadline = NowMs() + guardMs;
    QTimer wake; // no wait for more events outlasts a tick of this timer
    wake.start(5);
    while (!done()) {
        if (NowMs() > deadline)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

void RunEventLoopFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
