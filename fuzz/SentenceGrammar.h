#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <vector>

// The sentences the program may write, as the operator fuzzer reads them back
// from the bytes that reached the port.
enum class SentenceKind { Mmsi, StaticData, VoyageData, QueryMmsi, QueryStatic, QueryVoyage };

struct WrittenSentence {
    SentenceKind kind;
    QString mmsi;                 // Mmsi: the nine digits
    QString callSign;             // StaticData: with the escapes undone
    QString shipName;             // StaticData: with the escapes undone
    std::array<QString, 4> sizes; // StaticData: A, B, C and D as sent
    QString shipType;             // VoyageData: the type code, possibly empty
};

// Splits what was written at CR LF and checks every sentence against its form,
// its field rules and its checksum; a sentence that fits none is a violation.
std::vector<WrittenSentence> ReadWritten(const QByteArray& written);
