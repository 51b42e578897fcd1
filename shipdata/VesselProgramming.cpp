#include "app/Form1.h"
#include "codec/Sentence.h"
#include "platform/MessageDlg.h"
#include "shipdata/VesselRules.h"

namespace {

void Warn(const QString& text) {
    MessageDlg(text, TMsgDlgType::mtWarning, mbOK, 0, mbOK);
}

// Shows the warning of each rule the text breaks; true when it breaks none.
bool TextAccepted(const QString& text, const VesselTextRule& rule) {
    bool accepted = true;
    if (!FitsLength(text, rule)) {
        Warn(rule.lengthWarning);
        accepted = false;
    }
    if (!IsPrintableAscii(text)) {
        Warn(rule.characterWarning);
        accepted = false;
    }
    return accepted;
}

// An empty distance box stands for 0 and shows it from now on.
QString TakeDistance(TEdit& box) {
    if (box.text().isEmpty()) {
        box.setText(QStringLiteral("0"));
    }
    return box.text();
}

} // namespace

void TForm1::Button121Click(QObject*) {
    // Everything sent is taken now: replies decoded while the first sentence
    // drains must not change the second.
    VesselData data{Edit121->text(), Edit122->text(), {}, ComboBox123->currentText()};
    bool SetFlag = TextAccepted(data.callSign, CallSignRule);
    SetFlag = TextAccepted(data.shipName, ShipNameRule) && SetFlag;
    bool SizeFlag = true;
    const std::array<TEdit*, 4> distanceBoxes = {Edit131, Edit132, Edit133, Edit134};
    for (size_t i = 0; i < distanceBoxes.size(); ++i) {
        data.distances[i] = TakeDistance(*distanceBoxes[i]);
        SizeFlag = DistanceFits(data.distances[i], DistanceLimits[i]) && SizeFlag;
    }
    if (!SizeFlag) {
        Warn(SizeWarning);
        SetFlag = false;
    }
    if (!SetFlag) {
        return;
    }
    SendString(Sentence(SsdBody(data)));
    SendString(Sentence(VsdBody(data)));
    MessageDlg(VesselSetNotice, TMsgDlgType::mtInformation, mbOK, 0, mbOK);
    GetVesselInfo();
}

void TForm1::Button122Click(QObject*) {
    DataClearSub();
}

void TForm1::Button123Click(QObject*) {
    GetVesselInfo();
    GetVesselInfo();
}
