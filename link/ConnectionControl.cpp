#include "app/Form1.h"

#include <QPushButton>

namespace {

constexpr int32_t SetupBaudRate = 1200;
constexpr int32_t LineBaudRate = 38400;

void Connect(TForm1& form) {
    form.ComPortSetup(SetupBaudRate);
    form.WaitSlp(50);
    // The baud-rate list has no effect: the unit is always spoken to at 38400 baud.
    form.ComPortSetup(LineBaudRate);
    form.WaitSlp(50);
    form.ComPort1->Open();
    form.ComPort1->SetDTR(true);
    form.ComPort1->SetRTS(true);
    form.WaitSlp(50);
    form.Button1->setText(QStringLiteral("Disconnect"));
    form.SetDefautConfig();
    form.GetVesselInfo();
    form.GetVesselInfo();
    form.Button111->setEnabled(true);
    form.Button121->setEnabled(true);
    form.Button123->setEnabled(true);
}

void Disconnect(TForm1& form) {
    form.ComPort1->Close();
    form.Button1->setText(QStringLiteral("Connect"));
    form.DataClearSub();
    form.Edit111->setEnabled(true);
    form.Edit111->setText(QString());
    form.Button111->setEnabled(false);
    form.Button121->setEnabled(false);
    form.Button123->setEnabled(false);
}

} // namespace

void TForm1::Button1Click(QObject*) {
    if (Button1->text() == QLatin1String("Connect"))
        Connect(*this);
    else
        Disconnect(*this);
}
