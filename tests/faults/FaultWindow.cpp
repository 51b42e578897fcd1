#include "tests/faults/FaultWindow.h"

#include "codec/LineAssembler.h"
#include "codec/SequenceCounter.h"
#include "platform/Clock.h"
#include "platform/ErrorBox.h"
#include "platform/SerialComPort.h"
#include "platform/SerialPortList.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QThread>

QByteArray SentenceOf(const QByteArray& body) {
    uint8_t sum = 0;
    for (qsizetype i = 1; i < body.size(); ++i)
        sum ^= static_cast<uint8_t>(body[i]);
    return body + '*' + QByteArray::number(sum, 16).toUpper().rightJustified(2, '0') + "\r\n";
}

QList<QByteArray> ConnectSentences(int first) {
    QList<QByteArray> sentences{
        SentenceOf("$PSMT,0,0,0,0,nmeabaud 38400^2C19200," + QByteArray::number(first)),
        SentenceOf("$PSMT,0,0,0,1,setgnssmode 3," + QByteArray::number(first + 1)),
        SentenceOf("$PSMT,0,0,0,0,gpsfilt_nv 59," + QByteArray::number(first + 2)),
        SentenceOf("$PSMT,012,,,(--MolEt--)"), "$PSMT,TRG,02,00*75\r\n"};
    for (int round = 0; round < 2; ++round)
        sentences << "$U0AIQ,SMM*43\r\n"
                  << "$U0AIQ,SSD*54\r\n"
                  << "$U0AIQ,VSD*51\r\n";
    return sentences;
}

QByteArray ConnectTraffic(int first) {
    return ConnectSentences(first).join();
}

bool PumpUntil(const std::function<bool()>& done, int guardMs) {
    const QDeadlineTimer guard(guardMs);
    while (!done() && !guard.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return done();
}

int DescriptorsOf(const QString& device) {
    int count = 0;
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QFileInfo& fd :
         fds.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
        const QString target = fd.symLinkTarget();
        if (target == device || target == device + QStringLiteral(" (deleted)"))
            ++count;
    }
    return count;
}

SleepClock::SleepClock() {
    SetWaitHooks({[this] { return now_; },
                  [this](uint32_t ms) {
                      ++sleeps;
                      if (onSleep)
                          onSleep(sleeps);
                      now_ += ms;
                  }});
}

SleepClock::~SleepClock() {
    SetWaitHooks({});
}

SlowDrainPort::SlowDrainPort(std::unique_ptr<TComPort> real) : real_(std::move(real)) {
    real_->OnRxChar = [this](int count) {
        ++deliveries;
        if (OnRxChar)
            OnRxChar(count);
    };
}

void SlowDrainPort::SetSettings(const TComPortSettings& settings) {
    real_->SetSettings(settings);
}
const TComPortSettings& SlowDrainPort::Settings() const {
    return real_->Settings();
}
void SlowDrainPort::Open() {
    real_->Open();
}
void SlowDrainPort::Close() {
    real_->Close();
}
bool SlowDrainPort::Connected() const {
    return real_->Connected();
}
void SlowDrainPort::SetDTR(bool on) {
    real_->SetDTR(on);
}
void SlowDrainPort::SetRTS(bool on) {
    real_->SetRTS(on);
}
int SlowDrainPort::WriteStr(const QString& S) {
    const int written = real_->WriteStr(S);
    pending_ = drainPolls;
    return written;
}
int SlowDrainPort::OutputCount() {
    const int queued = real_->OutputCount();
    if (pending_ == 0)
        return queued;
    --pending_;
    ++polls_;
    if (onPendingPoll)
        onPendingPoll(polls_);
    return queued + 1;
}
int SlowDrainPort::ReadStr(QString& RxS, int Count) {
    return real_->ReadStr(RxS, Count);
}

FaultWindow::FaultWindow()
    : peer(std::make_unique<PtyPeer>()), device(peer->DevicePath()),
      port(new SlowDrainPort(CreateSerialComPort())),
      owner(std::make_unique<TForm1>(std::unique_ptr<TComPort>(port))), form(*owner) {
    ReceiveData.clear();
    units.Publish(*peer, QStringLiteral("ttySIM0"));
    form.GetSerialPort();
    form.ComboBox1->setCurrentIndex(form.ComboBox1->findText(UnitItem));
    SetErrorBoxSink([this](const QString& text) { errors << text; });
    SetMessageDlgResponder([this](const MessageDlgRequest& request) {
        const bool question = request.buttons & mbYes;
        dialogs << (question                                 ? Question(request.text)
                    : request.type == TMsgDlgType::mtWarning ? Warning(request.text)
                                                             : Information(request.text));
        if (answer)
            return answer(request);
        return question ? int(mrYes) : int(mrOk);
    });
}

FaultWindow::~FaultWindow() {
    owner.reset();
    SetMessageDlgResponder(nullptr);
    SetErrorBoxSink(nullptr);
    SetWaitHooks({});
}

void FaultWindow::PullCable() {
    peer->Received(); // what has reached the unit so far stays recorded
    peer->HangUp();
    QFile::remove(SimulatedUnitFolder() + QStringLiteral("/ttySIM0"));
}

void FaultWindow::Replug() {
    peer = std::make_unique<PtyPeer>();
    device = peer->DevicePath();
    units.Publish(*peer, QStringLiteral("ttySIM0"));
}

bool FaultWindow::Connect() {
    const qsizetype before = peer->Received().size();
    const int first = SqId;
    form.Button1->click();
    return peer->WaitForReceived(before + ConnectTraffic(first).size());
}

bool FaultWindow::PortHoldsLine() const {
    // The peer keeps a descriptor of its own while it has not hung up.
    return DescriptorsOf(device) > (peer->HungUp() ? 0 : 1);
}

void FaultWindow::Destroy() {
    form.close();
    owner.reset();
}

QStringList FaultWindow::SetAndReadEnabled() const {
    QStringList enabled;
    if (form.Button111->isEnabled())
        enabled << QStringLiteral("Button111");
    if (form.Button121->isEnabled())
        enabled << QStringLiteral("Button121");
    if (form.Button123->isEnabled())
        enabled << QStringLiteral("Button123");
    return enabled;
}

void FaultWindow::ClickSoon(QPushButton* button) {
    QMetaObject::invokeMethod(
        button, [button] { button->click(); }, Qt::QueuedConnection);
}

QString Question(const QString& text) {
    return QStringLiteral("Question: ") + text;
}
QString Warning(const QString& text) {
    return QStringLiteral("Warning: ") + text;
}
QString Information(const QString& text) {
    return QStringLiteral("Information: ") + text;
}
