#include "tests/e2e/Sentences.h"

#include <cstdio>

QByteArray withChecksum(const QByteArray& body) {
    unsigned char sum = 0;
    for (qsizetype i = body.startsWith('$') ? 1 : 0; i < body.size(); ++i)
        sum ^= static_cast<unsigned char>(body[i]);
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02X", unsigned(sum));
    return body + '*' + digits + "\r\n";
}

QByteArray readBack() {
    return "$U0AIQ,SMM*43\r\n$U0AIQ,SSD*54\r\n$U0AIQ,VSD*51\r\n";
}

QByteArray connectSequence(int counter) {
    const QByteArray first = QByteArray::number(counter);
    const QByteArray second = QByteArray::number(counter + 1);
    const QByteArray third = QByteArray::number(counter + 2);
    return withChecksum("$PSMT,0,0,0,0,nmeabaud 38400^2C19200," + first) +
           withChecksum("$PSMT,0,0,0,1,setgnssmode 3," + second) +
           withChecksum("$PSMT,0,0,0,0,gpsfilt_nv 59," + third) +
           withChecksum("$PSMT,012,,,(--MolEt--)") + "$PSMT,TRG,02,00*75\r\n" + readBack() +
           readBack();
}
