// The receive path of the window: line assembly, field splitting and reply decoding,
// fed through ComPort1RxChar by a stand-in port, in bytes per second.
#include "app/Form1.h"
#include "bench/Replies.h"
#include "platform/Clock.h"
#include "tests/support/FakeComPort.h"

#include <QApplication>
#include <QFile>
#include <benchmark/benchmark.h>
#include <cstring>
#include <random>

namespace {

// Bytes handed to the window per delivery, as a driver read would bring them.
constexpr qsizetype DeliverySize = 4096;
constexpr qsizetype TypicalStreamSize = 64 * 1024;

struct Window {
    Window() : port(new FakeComPort), form(std::unique_ptr<TComPort>(port)) {
        port->Open();
        form.show();
    }
    FakeComPort* port;
    TForm1 form;
};

// Made in main, after the application object and gone before it.
std::unique_ptr<Window> theWindow;

Window& TheWindow() {
    return *theWindow;
}

// Feeds `stream` to the window in deliveries, processing window messages after each
// as the event loop that delivers them does.
void Deliver(const QByteArray& stream) {
    Window& window = TheWindow();
    for (qsizetype at = 0; at < stream.size(); at += DeliverySize) {
        window.port->Receive(stream.mid(at, DeliverySize));
        QCoreApplication::processEvents();
    }
}

void RunStream(benchmark::State& state, const QByteArray& stream) {
    for (auto _ : state)
        Deliver(stream);
    state.SetBytesProcessed(state.iterations() * stream.size());
}

struct SleepHookScope {
    explicit SleepHookScope(bool noOp) {
        if (noOp)
            SetWaitHooks({{}, [](uint32_t) {}});
    }
    ~SleepHookScope() { SetWaitHooks({}); }
};

void BM_TypicalReplies(benchmark::State& state) {
    const SleepHookScope hooks(state.range(0) != 0);
    RunStream(state, TypicalStream(TypicalStreamSize));
}

QByteArray RandomBytes(qsizetype count) {
    std::mt19937 random(20240601);
    QByteArray bytes(count, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = static_cast<char>(random() & 0xFF);
    return bytes;
}

void BM_RandomBytes(benchmark::State& state) {
    const SleepHookScope hooks(state.range(0) != 0);
    RunStream(state, RandomBytes(TypicalStreamSize));
}

void BM_CommaLine(benchmark::State& state) {
    QByteArray line(state.range(0) - 1, ',');
    line += '\r';
    RunStream(state, line);
}

// The file named by --stream-out=<file>, if given: the peer parser's input.
QString StreamOutPath(int argc, char** argv) {
    constexpr const char* flag = "--stream-out=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], flag, std::strlen(flag)) == 0)
            return QString::fromLocal8Bit(argv[i] + std::strlen(flag));
    }
    return {};
}

int WriteStream(const QString& path) {
    const QByteArray stream = TypicalStream(TypicalStreamSize);
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(stream) == stream.size() ? 0 : 1;
}

} // namespace

// Where the 1 ms pause at LF is real the rate is taken over real time (the pause is
// the cost); elsewhere over the processor time of the thread, so that other load on
// the machine does not count.
BENCHMARK(BM_TypicalReplies)->Name("typical_replies/real_pause")->Arg(0)->UseRealTime();
BENCHMARK(BM_TypicalReplies)->Name("typical_replies/pause_hooked_out")->Arg(1);
BENCHMARK(BM_RandomBytes)->Name("random_bytes/real_pause")->Arg(0)->UseRealTime();
BENCHMARK(BM_RandomBytes)->Name("random_bytes/pause_hooked_out")->Arg(1);
BENCHMARK(BM_CommaLine)->ArgName("bytes")->Arg(1 << 10)->Arg(64 << 10)->Arg(1 << 20)->Arg(16 << 20);

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (const QString path = StreamOutPath(argc, argv); !path.isEmpty())
        return WriteStream(path);
    theWindow = std::make_unique<Window>();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    theWindow.reset();
    return 0;
}
