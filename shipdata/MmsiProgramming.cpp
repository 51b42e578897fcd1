#include "app/Form1.h"
#include "codec/Sentence.h"
#include "platform/MessageDlg.h"
#include "shipdata/MmsiRules.h"

#include <QPushButton>

namespace {

void Warn(const QString& text) {
    MessageDlg(text, TMsgDlgType::mtWarning, mbOK, 0, mbOK);
}

bool Confirmed(const QString& question) {
    return MessageDlg(question, TMsgDlgType::mtWarning, mbYes | mbNo, 0, mbNo) == mrYes;
}

} // namespace

void TForm1::Button111Click(QObject*) {
    // Replies are decoded while the dialogs are open and may rewrite the box;
    // what the operator confirms and what is sent is the text of the click.
    const QString mmsi = Edit111->text();
    switch (CheckMmsi(mmsi)) {
    case MmsiCheck::WrongLength:
        Warn(MmsiLengthWarning);
        return;
    case MmsiCheck::OutOfRange:
        Warn(MmsiRangeWarning);
        return;
    case MmsiCheck::Acceptable:
        break;
    }
    if (!Confirmed(MmsiFirstConfirmation) || !Confirmed(MmsiSecondConfirmation(mmsi))) {
        return;
    }
    SendData = Sentence(MmsiBody(mmsi));
    SendString(SendData);
    Edit111->setEnabled(false);
    Button111->setEnabled(false);
    MessageDlg(MmsiSetNotice, TMsgDlgType::mtInformation, mbOK, 0, mbOK);
    GetVesselInfo();
}
