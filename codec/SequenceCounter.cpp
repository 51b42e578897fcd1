#include "codec/SequenceCounter.h"

int32_t SqId = 0;
QString SqidS = QStringLiteral("0");

void IncSqId() {
    ++SqId;
    SqidS = QString::number(SqId);
}
