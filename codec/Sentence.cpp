#include "codec/Sentence.h"

#include "codec/Checksum.h"

QString SendData;

QString Sentence(const QString& body) {
    return body + CalcCheckSum(body) + CRLF;
}
