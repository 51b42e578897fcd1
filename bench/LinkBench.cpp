// The window on its real serial port component, with quorvane-unitsim as the unit:
// connect latency, processor time while idle, and memory.
#include "app/Form1.h"
#include "bench/CountingComPort.h"
#include "bench/Figures.h"
#include "bench/MemoryBench.h"
#include "bench/SimulatedUnit.h"
#include "platform/Clock.h"
#include "platform/SerialComPort.h"

#include <QApplication>
#include <QPushButton>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <exception>
#include <vector>

namespace {

constexpr double FixedWaitsMs = 3 * 50;
constexpr int RepliesPerConnect = 6;
constexpr int ConnectRuns = 15;
constexpr double BitsPerCharacter = 10;

// The window with the real component, counted, and the simulated unit chosen.
struct LinkedWindow {
    LinkedWindow()
        : port(new CountingComPort(CreateSerialComPort())), form(std::unique_ptr<TComPort>(port)) {
        form.show();
        form.GetSerialPort();
        form.ComboBox1->setCurrentIndex(form.ComboBox1->findText(SimulatedUnit::PortItem()));
    }
    CountingComPort* port;
    TForm1 form;
};

bool HoldsTheUnitsData(const LinkedWindow& window) {
    const TForm1& form = window.form;
    return window.port->linesRead >= RepliesPerConnect &&
           form.Edit121->text() == QLatin1String("SIM1234") &&
           form.Edit122->text() == QLatin1String("SIMULATED UNIT") &&
           form.Edit134->text() == QLatin1String("3");
}

// From the click on Connect to the last reply decoded, in milliseconds; -1 on a hang.
double ConnectOnce(LinkedWindow& window) {
    window.port->ResetCounts();
    const double start = NowMs();
    window.form.Button1Click(window.form.Button1);
    const bool done = PumpUntil([&] { return HoldsTheUnitsData(window); });
    const double elapsed = NowMs() - start;
    return done ? elapsed : -1;
}

void Disconnect(LinkedWindow& window) {
    window.form.Button1Click(window.form.Button1);
    RunEventLoopFor(20);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Connect latency; at a paced line the floor adds every byte's time on the wire.
int MeasureConnect(unsigned baud) {
    const SimulatedUnit unit(baud ? QStringList{"--baud", QString::number(baud)} : QStringList{});
    LinkedWindow window;
    double sleptMs = 0; // in Sleep, over all runs: the waits' 1 ms steps and the LF pauses
    SetWaitHooks({{}, [&](uint32_t ms) {
                      const double start = NowMs();
                      QThread::msleep(ms);
                      sleptMs += NowMs() - start;
                  }});
    std::vector<double> runs, open, close, write, queue;
    double wireMs = 0;
    for (int i = 0; i < ConnectRuns; ++i) {
        const double ms = ConnectOnce(window);
        if (ms < 0) {
            std::fprintf(stderr, "connect %d: the replies did not all come\n", i);
            return 1;
        }
        runs.push_back(ms);
        open.push_back(window.port->msInOpen);
        close.push_back(window.port->msInClose);
        write.push_back(window.port->msInWrite);
        queue.push_back(window.port->msInOutputCount);
        const double bytes = double(window.port->bytesWritten + window.port->bytesRead);
        wireMs = baud ? bytes * BitsPerCharacter * 1000 / baud : 0;
        Disconnect(window);
    }
    const std::string line = baud ? "at " + std::to_string(baud) + " baud" : "answered at once";
    PrintFigure("connect latency, " + line + " (median of " + std::to_string(ConnectRuns) + ")",
                Median(runs), "ms", FixedWaitsMs + wireMs, "floor");
    PrintFigure("connect latency, " + line + " (fastest)",
                *std::min_element(runs.begin(), runs.end()), "ms", FixedWaitsMs + wireMs, "floor");
    PrintFigure("  of which in the port's Open (3 calls, median)", Median(open), "ms");
    PrintFigure("  of which in the port's Close (2 calls, median)", Median(close), "ms");
    PrintFigure("  of which in WriteStr (11 calls, median)", Median(write), "ms");
    PrintFigure("  of which in OutputCount (median)", Median(queue), "ms");
    PrintFigure("  of which asleep in Sleep (mean)", sleptMs / ConnectRuns, "ms");
    SetWaitHooks({});
    return 0;
}

double CpuPercentDuring(const std::function<void()>& run) {
    const double cpu = ProcessCpuMs();
    const double start = NowMs();
    run();
    return 100 * (ProcessCpuMs() - cpu) / (NowMs() - start);
}

int MeasureIdle() {
    const SimulatedUnit unit;
    LinkedWindow window;
    if (ConnectOnce(window) < 0)
        return 1;
    RunEventLoopFor(200); // what the connect left to settle
    PrintFigure("CPU while connected and idle, 5 s of event loop",
                CpuPercentDuring([] { RunEventLoopFor(5000); }), "% of a core", 1, "goal");
    PrintFigure("CPU during WaitSlp(2000)", CpuPercentDuring([&] { window.form.WaitSlp(2000); }),
                "% of a core", 5, "goal");
    return 0;
}

// Resident memory with the real component: after the window, then over some cycles.
int MeasureRealCycles(int cycles) {
    const SimulatedUnit unit;
    LinkedWindow window;
    RunEventLoopFor(200); // shown and painted once, as the stand-in's figure is
    const long created = ResidentKiB();
    PrintFigure("VmRSS after creating the window", created, "KiB");
    if (ConnectOnce(window) < 0)
        return 1;
    Disconnect(window);
    const long first = ResidentKiB();
    for (int i = 1; i < cycles; ++i) {
        if (ConnectOnce(window) < 0)
            return 1;
        Disconnect(window);
    }
    const long last = ResidentKiB();
    const std::string label = std::to_string(cycles) + " cycles against the simulated unit";
    PrintFigure("VmRSS growth, window to after " + label, last - created, "KiB", 1024, "goal");
    PrintFigure("VmRSS growth, first cycle to last, " + label, last - first, "KiB", 1024, "goal");
    return 0;
}

int Usage() {
    std::fprintf(stderr, "usage: quorvane-bench-link connect [baud] | idle | memory [cycles] | "
                         "memory-real [cycles]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString mode = args.value(0);
    const int number = args.value(1).toInt();
    try {
        if (mode == QLatin1String("connect"))
            return MeasureConnect(unsigned(number));
        if (mode == QLatin1String("idle"))
            return MeasureIdle();
        if (mode == QLatin1String("memory"))
            return MeasureFakeCycles(number > 0 ? number : 1000);
        if (mode == QLatin1String("memory-real"))
            return MeasureRealCycles(number > 0 ? number : 50);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quorvane-bench-link: %s\n", error.what());
        return 1;
    }
    return Usage();
}
