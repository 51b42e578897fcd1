#include "fuzz/SentenceGrammar.h"

#include "fuzz/FuzzHarness.h"

#include <QByteArrayList>

namespace {

const QByteArray Reserved = QByteArrayLiteral(",*$!\\^~");

QString Text(const QByteArray& bytes) {
    return QString::fromLatin1(bytes);
}

bool IsHexDigit(char C) {
    return (C >= '0' && C <= '9') || (C >= 'A' && C <= 'F') || (C >= 'a' && C <= 'f');
}

// Decimal digits alone (exactly `digits` of them unless 0), leading zeros allowed,
// with a value from low to high.
bool IsDecimal(const QByteArray& field, int digits, qint64 low, qint64 high) {
    if (field.isEmpty() || (digits > 0 && field.size() != digits))
        return false;
    for (char C : field) {
        if (C < '0' || C > '9')
            return false;
    }
    qsizetype first = 0;
    while (first + 1 < field.size() && field[first] == '0')
        ++first;
    if (field.size() - first > 10)
        return false;
    const qint64 value = field.mid(first).toLongLong();
    return value >= low && value <= high;
}

void CheckChecksum(const QByteArray& sentence) {
    const qsizetype star = sentence.size() - 3;
    FUZZ_CHECK(sentence.startsWith('$') && star > 0 && sentence[star] == '*', Text(sentence));
    int sum = 0;
    for (qsizetype i = 1; i < star; ++i)
        sum ^= static_cast<uchar>(sentence[i]);
    const QByteArray digits = QByteArray::number(sum, 16).toUpper().rightJustified(2, '0');
    FUZZ_CHECK(sentence.mid(star + 1) == digits, Text(sentence));
}

// A text field: printable 7-bit characters, reserved ones only as "^" and two
// hexadecimal digits. Returns the text with the escapes undone.
QString Unescape(const QByteArray& field, qsizetype maxLength) {
    QString text;
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char C = field[i];
        FUZZ_CHECK(C >= 32 && C <= 126, Text(field));
        if (C != '^') {
            FUZZ_CHECK(!Reserved.contains(C), Text(field));
            text += QChar(C);
            continue;
        }
        FUZZ_CHECK(i + 2 < field.size() && IsHexDigit(field[i + 1]) && IsHexDigit(field[i + 2]),
                   Text(field));
        text += QChar(field.mid(i + 1, 2).toInt(nullptr, 16));
        i += 2;
    }
    FUZZ_CHECK(text.size() <= maxLength, text);
    return text;
}

WrittenSentence ReadMmsi(const QByteArray& body) {
    const QByteArray head = QByteArrayLiteral("PSMT,0,0,0,0,set_mmsi ");
    const QByteArray mmsi = body.mid(head.size(), 9);
    FUZZ_CHECK(body.size() == head.size() + 11 && body.endsWith(",0"), Text(body));
    FUZZ_CHECK(IsDecimal(mmsi, 9, 200000000, 799999999), Text(body));
    return {SentenceKind::Mmsi, Text(mmsi), {}, {}, {}, {}};
}

WrittenSentence ReadStaticData(const QByteArray& body) {
    const QByteArrayList fields = body.split(',');
    FUZZ_CHECK(fields.size() == 9 && fields[7].isEmpty() && fields[8] == "AI", Text(body));
    WrittenSentence sentence{SentenceKind::StaticData, {}, Unescape(fields[1], 7),
                             Unescape(fields[2], 20),  {}, {}};
    const std::array<int, 4> limits = {511, 511, 63, 63};
    for (size_t i = 0; i < limits.size(); ++i) {
        FUZZ_CHECK(IsDecimal(fields[3 + i], 0, 0, limits[i]), Text(body));
        sentence.sizes[i] = Text(fields[3 + i]);
    }
    return sentence;
}

WrittenSentence ReadVoyageData(const QByteArray& body) {
    const QByteArrayList fields = body.split(',');
    FUZZ_CHECK(fields.size() == 10, Text(body));
    for (qsizetype i = 2; i < fields.size(); ++i)
        FUZZ_CHECK(fields[i].isEmpty(), Text(body));
    const QByteArray& code = fields[1];
    FUZZ_CHECK(code.isEmpty() || IsDecimal(code, 2, 0, 99), Text(body));
    return {SentenceKind::VoyageData, {}, {}, {}, {}, Text(code)};
}

WrittenSentence ReadSentence(const QByteArray& sentence) {
    if (sentence == "$U0AIQ,SMM*43")
        return {SentenceKind::QueryMmsi, {}, {}, {}, {}, {}};
    if (sentence == "$U0AIQ,SSD*54")
        return {SentenceKind::QueryStatic, {}, {}, {}, {}, {}};
    if (sentence == "$U0AIQ,VSD*51")
        return {SentenceKind::QueryVoyage, {}, {}, {}, {}, {}};
    CheckChecksum(sentence);
    const QByteArray body = sentence.mid(1, sentence.size() - 4);
    if (body.startsWith("PSMT,"))
        return ReadMmsi(body);
    if (body.startsWith("U0SSD,"))
        return ReadStaticData(body);
    FUZZ_CHECK(body.startsWith("U0VSD,"), Text(sentence));
    return ReadVoyageData(body);
}

} // namespace

std::vector<WrittenSentence> ReadWritten(const QByteArray& written) {
    std::vector<WrittenSentence> sentences;
    if (written.isEmpty())
        return sentences;
    FUZZ_CHECK(written.endsWith("\r\n"), Text(written));
    QByteArrayList lines = written.split('\n');
    lines.removeLast();
    for (const QByteArray& line : lines) {
        FUZZ_CHECK(line.endsWith('\r'), Text(line));
        const QByteArray sentence = line.chopped(1);
        FUZZ_CHECK(!sentence.contains('\r'), Text(sentence));
        sentences.push_back(ReadSentence(sentence));
    }
    return sentences;
}
