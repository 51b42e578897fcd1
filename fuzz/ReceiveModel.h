#pragma once

#include <QString>
#include <QStringList>
#include <array>

// What the window must show after the received characters seen so far, worked
// out independently of the program from the rules of line assembly, field
// splitting and reply decoding. A box whose content depends on a conversion the
// rules leave open (hexadecimal forms, tabs) is marked unknown.
struct ExpectedText {
    bool known = true;
    QString text;
};

struct ExpectedRow {
    bool known = true;
    int row = -1;
};

struct ReceiveModel {
    QStringList rows; // the texts of the ship type list
    QString receiving;
    std::array<QString, 21> slotTable;
    bool slot20Open = false; // a line of 20 commas or more left slot 20 to the implementer
    QString mmsiText;
    bool mmsiBoxEnabled = true;
    bool mmsiButtonEnabled = false;
    QString callSign;
    QString shipName;
    std::array<ExpectedText, 4> distances;
    ExpectedRow shipType;

    // Applies one received character: LF is dropped, CR ends a line.
    void Receive(QChar C);

private:
    void Split(const QString& line);
    void Decode();
    void DecodeMmsi();
    void DecodeStaticData();
    void DecodeVoyageData();
};

// How the rules read a number field: it reads as a signed 32-bit value, it is
// refused, or the rules leave its reading to the implementer.
enum class Reading { Value, Refused, Open };
Reading ReadNumber(const QString& S, qint64& value);
