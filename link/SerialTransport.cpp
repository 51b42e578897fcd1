#include "app/Form1.h"
#include "codec/LineAssembler.h"
#include "codec/SequenceCounter.h"
#include "link/PortRules.h"
#include "link/WaitRules.h"
#include "platform/Clock.h"
#include "platform/Exception.h"

namespace {

// The read time-out the line settings carry, in milliseconds.
constexpr int ComTot = 1000;

} // namespace

void TForm1::ComPortSetup(int32_t BaudRate) {
    TComPortSettings settings = ComPort1->Settings();
    settings.Port = PortNameOfItem(ComboBox1->currentText());
    settings.BaudRate = BaudRate;
    settings.DataBits = 8;
    settings.Parity = TParityBits::prNone;
    settings.StopBits = TStopBits::sbOneStopBit;
    settings.XonXoffOut = false;
    settings.ReadTotalConstant = ComTot;
    ComPort1->SetSettings(settings);
    ComPort1->Open();
    ComPort1->Close();
}

uint32_t TForm1::Timeout_Set(uint32_t time) {
    return DeadlineAfter(GetTickCount(), time);
}

bool TForm1::Timeout_Chk(uint32_t time) {
    return DeadlinePassed(time, GetTickCount());
}

void TForm1::WaitSlp(uint32_t time) {
    const uint32_t wtime = Timeout_Set(time);
    while (!Timeout_Chk(wtime)) {
        Sleep(1);
        ProcessMessages();
    }
}

bool TForm1::SendString(const QString& S) {
    ComPort1->WriteStr(S);
    while (ComPort1->OutputCount() != 0)
        WaitSlp(0);
    IncSqId();
    return true;
}

void TForm1::ComPort1RxChar(QObject*, int Count) {
    QString RxS;
    try {
        ComPort1->ReadStr(RxS, Count);
    } catch (const std::exception&) {
        return; // a failed read ends this delivery; later ones still come
    }
    for (QChar c : RxS) {
        QString line;
        switch (AssembleChar(c, ReceiveData, line)) {
        case RxCharKind::LineFeed:
            Sleep(1);
            break;
        case RxCharKind::LineEnd:
            try {
                DecodeRxData(line);
            } catch (const std::exception&) {
                // A reply that cannot be decoded ends only itself: the lines after
                // it in this delivery are still decoded.
            }
            break;
        case RxCharKind::Appended:
            break;
        }
    }
}
