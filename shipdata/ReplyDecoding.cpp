#include "app/Form1.h"
#include "codec/FieldSplitter.h"
#include "platform/Exception.h"
#include "shipdata/ReplyRules.h"
#include "shipdata/ShipTypeRules.h"

#include <QPushButton>

namespace {

// The MMSI box shows what the unit reports; a stored MMSI cannot be written
// again, so box and button are locked until the unit reports none.
void ApplyMmsiLock(TEdit& box, QPushButton& button, const QString& mmsi) {
    box.setText(mmsi);
    if (MmsiStored(mmsi)) {
        box.setEnabled(false);
        button.setEnabled(false);
        return;
    }
    box.setEnabled(true);
    button.setEnabled(true);
    box.clear();
}

} // namespace

void TForm1::DecodeRxData(const QString& S) {
    DecCmdPrm(S, RxCmdPrm);
    const QString& address = RxCmdPrm[0];
    // A field that does not convert ends the decoding of its own line only; the
    // lines after it are decoded as usual.
    try {
        if (address == QStringLiteral("$AISMM")) {
            ApplyMmsiLock(*Edit111, *Button111, RxCmdPrm[3]);
        }
        if (address == QStringLiteral("$AISSD")) {
            GetVesselData();
        }
        if (address == QStringLiteral("$AIVSD")) {
            GetVesselType();
        }
    } catch (const EConvertError&) {
    }
}

void TForm1::GetVesselData() {
    Edit121->setText(GetVesselStr(RxCmdPrm[1]));
    Edit122->setText(GetVesselStr(RxCmdPrm[2]));
    Edit131->setText(GetVesselSize(RxCmdPrm[3]));
    Edit132->setText(GetVesselSize(RxCmdPrm[4]));
    Edit133->setText(GetVesselSize(RxCmdPrm[5]));
    Edit134->setText(GetVesselSize(RxCmdPrm[6]));
}

// The list holds the ship type rows and nothing else, so the rows are searched
// where they are kept rather than copied out of the list for every reply.
void TForm1::GetVesselType() {
    ComboBox123->setCurrentIndex(ShipTypeRowFor(ShipTypeRows, RxCmdPrm[1]));
}
