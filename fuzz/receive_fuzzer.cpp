// Received bytes, cut into arbitrary deliveries, go through the real receive
// path of the window. After every delivery the window, the received-line text
// and the slot table must match what the rules give for the bytes so far, and
// nothing may have been written to the port or shown to the operator.
#include "codec/FieldSplitter.h"
#include "codec/LineAssembler.h"
#include "fuzz/FuzzHarness.h"
#include "fuzz/ReceiveModel.h"

#include <QPushButton>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

QStringList RowTexts(const TComboBox& list) {
    QStringList rows;
    for (int row = 0; row < list.count(); ++row)
        rows << list.itemText(row);
    return rows;
}

bool HoldsLineEnd(const QString& text) {
    return text.contains(QChar(13)) || text.contains(QChar(10));
}

void CheckBox(const TEdit& box, const QString& expected) {
    FUZZ_CHECK(!HoldsLineEnd(box.text()), box.text());
    FUZZ_CHECK(box.text() == expected,
               QStringLiteral("shows '%1', expected '%2'").arg(box.text(), expected));
}

// A distance whose reading is open must still be a number written back in decimal.
void CheckDistance(const TEdit& box, const ExpectedText& expected) {
    if (expected.known)
        return CheckBox(box, expected.text);
    qint64 value = 0;
    const bool canonical =
        box.text().isEmpty() ||
        (ReadNumber(box.text(), value) == Reading::Value && QString::number(value) == box.text());
    FUZZ_CHECK(canonical, box.text());
}

void CheckSlots(const ReceiveModel& model) {
    FUZZ_CHECK(ReceiveData == model.receiving, ReceiveData);
    const int compared = model.slot20Open ? 20 : RxSlotCount;
    for (int i = 0; i < compared; ++i) {
        FUZZ_CHECK(RxCmdPrm[i] == model.slotTable[i],
                   QStringLiteral("slot %1 holds '%2', expected '%3'")
                       .arg(i)
                       .arg(RxCmdPrm[i], model.slotTable[i]));
    }
}

void CheckShipType(const TComboBox& list, const ExpectedRow& expected) {
    const int row = list.currentIndex();
    FUZZ_CHECK(row >= -1 && row <= 19, QString::number(row));
    FUZZ_CHECK(!expected.known || row == expected.row,
               QStringLiteral("row %1, expected %2").arg(row).arg(expected.row));
}

void CheckWindow(const FuzzWindow& window, const ReceiveModel& model) {
    const TForm1& form = *window.form;
    CheckSlots(model);
    CheckBox(*form.Edit111, model.mmsiText);
    FUZZ_CHECK(form.Edit111->isEnabled() == model.mmsiBoxEnabled, form.Edit111->text());
    FUZZ_CHECK(form.Button111->isEnabled() == model.mmsiButtonEnabled, form.Edit111->text());
    CheckBox(*form.Edit121, model.callSign);
    CheckBox(*form.Edit122, model.shipName);
    const std::array<TEdit*, 4> distances = {form.Edit131, form.Edit132, form.Edit133,
                                             form.Edit134};
    for (size_t i = 0; i < distances.size(); ++i)
        CheckDistance(*distances[i], model.distances[i]);
    CheckShipType(*form.ComboBox123, model.shipType);
    FUZZ_CHECK(window.port->written.isEmpty(), QString::fromLatin1(window.port->written));
    FUZZ_CHECK(window.dialogs == 0 && window.errorBoxes == 0, QString());
}

void Deliver(FuzzWindow& window, ReceiveModel& model, const QByteArray& bytes) {
    window.port->Receive(bytes);
    for (char byte : bytes)
        model.Receive(QChar(static_cast<uchar>(byte)));
    CheckWindow(window, model);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Window();
    return 0;
}

// The input's front holds the received bytes; its back, read byte by byte, the
// length of each delivery (1 to 256).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzWindow& window = Window();
    ResetWindow(window);
    ReceiveModel model;
    model.rows = RowTexts(*window.form->ComboBox123);
    FuzzedDataProvider provider(data, size);
    while (provider.remaining_bytes() > 0) {
        const size_t length = provider.ConsumeIntegralInRange<size_t>(1, 256);
        const std::string bytes = provider.ConsumeBytesAsString(length);
        Deliver(window, model, QByteArray::fromStdString(bytes));
    }
    return 0;
}
