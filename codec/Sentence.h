#pragma once

#include <QString>

inline const QString Header = QStringLiteral("$");
inline constexpr QChar CR = QChar(13);
inline constexpr QChar LF = QChar(10);
inline const QString CRLF = QStringLiteral("\r\n");

// Scratch text in which the start-up configuration, the queries and the MMSI
// sentence are built before they are sent.
extern QString SendData;

// The complete sentence for a body ("$" ... without "*"): body, checksum text, CR LF.
QString Sentence(const QString& body);
