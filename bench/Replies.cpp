#include "bench/Replies.h"

namespace {

QByteArray Sentence(const QByteArray& payload) {
    char sum = 0;
    for (char c : payload)
        sum ^= c;
    return '$' + payload + '*' +
           QByteArray::number(uchar(sum), 16).toUpper().rightJustified(2, '0') + "\r\n";
}

} // namespace

QByteArray TypicalReplies() {
    return Sentence("AISMM,0,0,000000000") +
           Sentence("AISSD,SIM1234,SIMULATED UNIT@@@@@@,10,5,2,3,0,AI") +
           Sentence("AIVSD,37,,,,,,,,");
}

QByteArray TypicalStream(qsizetype count) {
    const QByteArray replies = TypicalReplies();
    QByteArray stream;
    while (stream.size() + replies.size() <= count)
        stream += replies;
    return stream;
}
