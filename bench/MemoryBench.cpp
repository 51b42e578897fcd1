#include "bench/MemoryBench.h"

#include "app/Form1.h"
#include "bench/Figures.h"
#include "bench/Replies.h"
#include "platform/Clock.h"
#include "tests/support/FakeComPort.h"

#include <QCoreApplication>
#include <QPushButton>
#include <string>

namespace {

struct InstantClock {
    InstantClock() {
        SetWaitHooks({[this] { return now; }, [this](uint32_t ms) { now += ms; }});
    }
    ~InstantClock() { SetWaitHooks({}); }
    uint32_t now = 1000;
};

void Cycle(TForm1& form, FakeComPort& port) {
    form.Button1Click(form.Button1);
    port.Receive(TypicalReplies() + TypicalReplies());
    QCoreApplication::processEvents();
    form.Button1Click(form.Button1);
    port.written.clear(); // the stand-in keeps every byte; the window does not
    port.log.clear();
}

} // namespace

int MeasureFakeCycles(int cycles) {
    const InstantClock clock;
    auto* port = new FakeComPort;
    TForm1 form{std::unique_ptr<TComPort>(port)};
    form.show();
    QCoreApplication::processEvents();
    form.ComboBox1->addItem(QStringLiteral("Stand-in port (COM1)"));
    form.ComboBox1->setCurrentIndex(0);
    const long created = ResidentKiB();
    PrintFigure("VmRSS after creating the window (stand-in port)", created, "KiB");
    Cycle(form, *port);
    const long first = ResidentKiB();
    for (int i = 1; i < cycles; ++i)
        Cycle(form, *port);
    const long last = ResidentKiB();
    const std::string label = std::to_string(cycles) + " cycles, stand-in port, instant clock";
    PrintFigure("VmRSS growth, window to after " + label, last - created, "KiB", 1024, "goal");
    PrintFigure("VmRSS growth, first cycle to last, " + label, last - first, "KiB", 1024, "goal");
    return 0;
}
