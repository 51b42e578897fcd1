#include "codec/FieldSplitter.h"

TRxSlots RxCmdPrm;

namespace {

void SetSlot(TRxSlots& table, qsizetype index, const QString& text) {
    if (index < RxSlotCount) {
        table[index] = text;
    }
}

} // namespace

void DecCmdPrm(const QString& S, TRxSlots& table) {
    qsizetype slot = 0;
    qsizetype fieldStart = 0;
    for (qsizetype comma = S.indexOf(u','); comma >= 0; comma = S.indexOf(u',', fieldStart)) {
        SetSlot(table, slot++, S.mid(fieldStart, comma - fieldStart));
        fieldStart = comma + 1;
    }
    const QString lastField = S.mid(fieldStart);
    const qsizetype star = lastField.indexOf(u'*');
    if (star < 0) {
        SetSlot(table, slot, QString());
        SetSlot(table, slot + 1, lastField);
        return;
    }
    SetSlot(table, slot, lastField.left(star));
    SetSlot(table, slot + 1, lastField.mid(star + 1));
}
