#pragma once

#include "platform/TComPort.h"
#include "platform/TComboBox.h"
#include "platform/TEdit.h"

#include <QChar>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <memory>

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

// The program's one window. Every operation of every subsystem is one of its
// members; each subsystem's folder defines its own (app/, shipdata/, link/).
class TForm1 : public QWidget {
public:
    // The window takes the serial port component it owns; without one it makes
    // the component for real serial devices.
    explicit TForm1(std::unique_ptr<TComPort> port = nullptr, QWidget* parent = nullptr);
    ~TForm1() override;

    // Controls, named as in the layout.
    QLabel* Image1;
    QFrame* Panel1;
    QGroupBox* GroupBox11;
    QLabel* Label111;
    TEdit* Edit111;
    QPushButton* Button111;
    QGroupBox* GroupBox12;
    QLabel* Label121;
    TEdit* Edit121;
    QLabel* Label122;
    TEdit* Edit122;
    QLabel* Label123;
    TComboBox* ComboBox123;
    QLabel* Label131;
    TEdit* Edit131;
    QLabel* Label132;
    TEdit* Edit132;
    QLabel* Label133;
    TEdit* Edit133;
    QLabel* Label134;
    TEdit* Edit134;
    QLabel* Image13;
    QLabel* Label135;
    QPushButton* Button122;
    QPushButton* Button123;
    QPushButton* Button121;
    QFrame* Panel2;
    QLabel* Label1;
    TComboBox* ComboBox1;
    QLabel* Label2;
    TComboBox* ComboBox2;
    QPushButton* Button1;
    std::unique_ptr<TComPort> ComPort1;

    // Main window (app/Form1*.cpp)
    void FormCreate(QObject* Sender);
    void ComboBox123DropDown(QObject* Sender);
    void DataClearSub();

    // Entry key filters (app/Form1KeyFilters.cpp)
    QChar KeyCheckN(QChar Key);
    QChar KeyCheckAN(QChar Key);
    QChar KeyCheckANC(QChar Key);
    void Edit111KeyPress(QObject* Sender, QChar& Key);
    void Edit121KeyPress(QObject* Sender, QChar& Key);
    void Edit122KeyPress(QObject* Sender, QChar& Key);
    void Edit131KeyPress(QObject* Sender, QChar& Key);
    void Edit132KeyPress(QObject* Sender, QChar& Key);
    void Edit133KeyPress(QObject* Sender, QChar& Key);
    void Edit134KeyPress(QObject* Sender, QChar& Key);

    // Reply decoding (shipdata/ReplyDecoding.cpp)
    void DecodeRxData(const QString& S);
    void GetVesselData();
    void GetVesselType();

    // Queries and start-up configuration (shipdata/Queries.cpp)
    void GetVesselInfo();
    void SetDefautConfig();

    // MMSI programming (shipdata/MmsiProgramming.cpp)
    void Button111Click(QObject* Sender);

    // Static and voyage data programming (shipdata/VesselProgramming.cpp)
    void Button121Click(QObject* Sender);
    void Button122Click(QObject* Sender);
    void Button123Click(QObject* Sender);

    // Serial transport (link/SerialTransport.cpp)
    void ComPortSetup(int32_t BaudRate);
    uint32_t Timeout_Set(uint32_t time);
    bool Timeout_Chk(uint32_t time);
    void WaitSlp(uint32_t time);
    bool SendString(const QString& S);
    void ComPort1RxChar(QObject* Sender, int Count);

    // Port discovery (link/PortDiscovery.cpp)
    void ComboBox1DropDown(QObject* Sender);
    void GetSerialPort();

    // Connection control (link/ConnectionControl.cpp)
    void Button1Click(QObject* Sender);

private:
    void BuildLayout();
    void WireHandlers();
};
