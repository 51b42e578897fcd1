#pragma once

#include <QString>
#include <array>

// What Set checks of a text box: a length limit, counted in characters before
// any escape, and characters from the blank to "~" alone, each with its warning.
struct VesselTextRule {
    int maxLength;
    QString lengthWarning;
    QString characterWarning;
};

extern const VesselTextRule CallSignRule;
extern const VesselTextRule ShipNameRule;

bool FitsLength(const QString& text, const VesselTextRule& rule);
bool IsPrintableAscii(const QString& text);

// Limits of the antenna distances A, B, C and D, in the order of their boxes.
inline constexpr std::array<int, 4> DistanceLimits = {511, 511, 63, 63};

// True when a distance text is within its limit. The text must be decimal
// digits alone; anything else raises EConvertError.
bool DistanceFits(const QString& distance, int limit);

extern const QString SizeWarning;
extern const QString VesselSetNotice;

// Writes each character that the sentence format reserves as "^" and its code
// in two upper-case hexadecimal digits, so that it stays inside its field.
QString EscapeReserved(const QString& text);

// What Set sends, taken from the boxes in one go.
struct VesselData {
    QString callSign;
    QString shipName;
    std::array<QString, 4> distances;
    QString shipTypeRow; // the selected row's text; empty when none is selected
};

QString SsdBody(const VesselData& data);
QString VsdBody(const VesselData& data);
