#include "tests/link/LinkWindow.h"

#include "codec/LineAssembler.h"
#include "platform/Clock.h"
#include "platform/ErrorBox.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMetaObject>
#include <QPushButton>
#include <QThread>

VirtualClock::VirtualClock() {
    SetWaitHooks({[this] { return now; },
                  [this](uint32_t ms) {
                      ++sleeps;
                      if (onSleep)
                          onSleep();
                      now += ms;
                  }});
}

VirtualClock::~VirtualClock() {
    SetWaitHooks({});
}

LinkWindow::LinkWindow(std::unique_ptr<TComPort> port) : form(std::move(port)) {
    ReceiveData.clear();
    SetErrorBoxSink([this](const QString& text) { errors << text; });
}

LinkWindow::~LinkWindow() {
    SetErrorBoxSink(nullptr);
}

void LinkWindow::ChoosePort(const QString& item) {
    form.ComboBox1->clear();
    form.ComboBox1->addItem(item);
    form.ComboBox1->setCurrentIndex(0);
}

void LinkWindow::ClickSoon(QPushButton* button) {
    QMetaObject::invokeMethod(
        button, [button] { button->click(); }, Qt::QueuedConnection);
}

bool PumpUntil(const std::function<bool()>& done) {
    const QDeadlineTimer guard(10000);
    while (!done() && !guard.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return done();
}

QByteArray SentenceOf(const QByteArray& body) {
    uint8_t sum = 0;
    for (qsizetype i = 1; i < body.size(); ++i)
        sum ^= static_cast<uint8_t>(body[i]);
    return body + '*' + QByteArray::number(sum, 16).toUpper().rightJustified(2, '0') + "\r\n";
}

QByteArray ConnectTraffic(int first) {
    const QByteArray queries = "$U0AIQ,SMM*43\r\n$U0AIQ,SSD*54\r\n$U0AIQ,VSD*51\r\n";
    return SentenceOf("$PSMT,0,0,0,0,nmeabaud 38400^2C19200," + QByteArray::number(first)) +
           SentenceOf("$PSMT,0,0,0,1,setgnssmode 3," + QByteArray::number(first + 1)) +
           SentenceOf("$PSMT,0,0,0,0,gpsfilt_nv 59," + QByteArray::number(first + 2)) +
           SentenceOf("$PSMT,012,,,(--MolEt--)") + "$PSMT,TRG,02,00*75\r\n" + queries + queries;
}
