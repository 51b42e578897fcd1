#include "fuzz/FuzzHarness.h"

#include "codec/FieldSplitter.h"
#include "codec/LineAssembler.h"
#include "platform/Clock.h"
#include "platform/ErrorBox.h"
#include "platform/MessageDlg.h"

#include <QApplication>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

QApplication& Application() {
    static int argc = 1;
    static char name[] = "quorvane-fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* application = new QApplication(argc, argv);
    return *application;
}

// Every call of the tick counter moves it on by one and sleeping takes no time,
// so each wait ends after a few polls.
void InstallFastWaits() {
    auto tick = std::make_shared<uint32_t>(0);
    SetWaitHooks({[tick] { return ++*tick; }, [](uint32_t) {}});
}

FuzzWindow* CreateWindow() {
    Application();
    InstallFastWaits();
    auto port = std::make_unique<FakeComPort>();
    auto* window = new FuzzWindow{nullptr, port.get()};
    window->form = new TForm1(std::move(port));
    SetMessageDlgResponder([window](const MessageDlgRequest& request) {
        ++window->dialogs;
        return (request.buttons & mbYes) ? mrYes : mrOk;
    });
    SetErrorBoxSink([window](const QString&) { ++window->errorBoxes; });
    return window;
}

} // namespace

FuzzWindow& Window() {
    static FuzzWindow* window = CreateWindow();
    return *window;
}

void ResetWindow(FuzzWindow& window) {
    TForm1& form = *window.form;
    form.DataClearSub();
    form.ComboBox123->setCurrentIndex(-1);
    form.Edit111->clear();
    form.Edit111->setEnabled(true);
    form.Button111->setEnabled(false);
    ReceiveData.clear();
    RxCmdPrm.fill(QString());
    window.port->Open();
    window.port->written.clear();
    window.port->log.clear();
    window.dialogs = 0;
    window.errorBoxes = 0;
}

void Violation(const char* what, const QString& detail) {
    std::fprintf(stderr, "INVARIANT BROKEN: %s\n  %s\n", what, qPrintable(detail));
    std::abort();
}
