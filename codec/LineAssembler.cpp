#include "codec/LineAssembler.h"

#include <utility>

QString ReceiveData;

RxCharKind AssembleChar(QChar C, QString& receiving, QString& line) {
    if (C == u'\n') {
        return RxCharKind::LineFeed;
    }
    if (C == u'\r') {
        line = std::exchange(receiving, QString());
        return RxCharKind::LineEnd;
    }
    receiving.append(C);
    return RxCharKind::Appended;
}
