// Arbitrary texts in the seven entry boxes, as if pasted, and any ship type
// row; then Set of the ship data and Set of the MMSI, every confirmation
// answered Yes. Everything written must be well-formed sentences of the allowed
// kinds carrying exactly what the boxes held at the click, in the allowed order;
// entries that every rule accepts must be sent, all others must send nothing.
#include "fuzz/FuzzHarness.h"
#include "fuzz/SentenceGrammar.h"
#include "platform/ErrorBox.h"

#include <QPushButton>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

struct Entries {
    QString mmsi;
    QString callSign;
    QString shipName;
    std::array<QString, 4> sizes;
    int row = -1;
};

const std::array<int, 4> SizeLimits = {511, 511, 63, 63};

QString TakeText(FuzzedDataProvider& provider) {
    return QString::fromStdString(provider.ConsumeRandomLengthString(64));
}

// Input: the row in the last byte; then the texts of Edit111, Edit121, Edit122
// and Edit131 to Edit134 from the front, each ended by a backslash and one more
// character (two backslashes stand for one), read as UTF-8.
Entries TakeEntries(FuzzedDataProvider& provider) {
    Entries entries;
    entries.row = provider.ConsumeIntegralInRange<int>(-1, 19);
    entries.mmsi = TakeText(provider);
    entries.callSign = TakeText(provider);
    entries.shipName = TakeText(provider);
    for (QString& size : entries.sizes)
        size = TakeText(provider);
    return entries;
}

void Enter(TForm1& form, const Entries& entries) {
    form.Edit111->setText(entries.mmsi);
    form.Edit121->setText(entries.callSign);
    form.Edit122->setText(entries.shipName);
    const std::array<TEdit*, 4> boxes = {form.Edit131, form.Edit132, form.Edit133, form.Edit134};
    for (size_t i = 0; i < boxes.size(); ++i)
        boxes[i]->setText(entries.sizes[i]);
    form.ComboBox123->setCurrentIndex(entries.row);
}

// What the boxes hold now: what the handlers see at the click.
Entries Snapshot(const TForm1& form) {
    return {
        form.Edit111->text(),
        form.Edit121->text(),
        form.Edit122->text(),
        {form.Edit131->text(), form.Edit132->text(), form.Edit133->text(), form.Edit134->text()},
        form.ComboBox123->currentIndex()};
}

bool Printable(const QString& text, qsizetype maxLength) {
    if (text.size() > maxLength)
        return false;
    return std::all_of(text.begin(), text.end(),
                       [](QChar C) { return C.unicode() >= 32 && C.unicode() <= 126; });
}

bool SizeAccepted(const QString& text, int limit) {
    if (text.isEmpty())
        return true;
    bool read = false;
    const bool digits =
        std::all_of(text.begin(), text.end(), [](QChar C) { return C >= u'0' && C <= u'9'; });
    const qint64 value = text.toLongLong(&read);
    return digits && read && value <= limit;
}

bool MmsiAccepted(const QString& mmsi) {
    bool read = false;
    const qint64 value = mmsi.toLongLong(&read);
    const bool digits =
        std::all_of(mmsi.begin(), mmsi.end(), [](QChar C) { return C >= u'0' && C <= u'9'; });
    return mmsi.size() == 9 && digits && read && value >= 200000000 && value <= 799999999;
}

bool VesselAccepted(const Entries& entries) {
    bool accepted = Printable(entries.callSign, 7) && Printable(entries.shipName, 20);
    for (size_t i = 0; i < SizeLimits.size(); ++i)
        accepted = accepted && SizeAccepted(entries.sizes[i], SizeLimits[i]);
    return accepted;
}

// The bytes one click wrote, read back as sentences.
std::vector<WrittenSentence> Click(FuzzWindow& window, void (TForm1::*handler)(QObject*),
                                   QObject* sender) {
    const qsizetype before = window.port->written.size();
    RunGuarded([&] { (window.form->*handler)(sender); });
    return ReadWritten(window.port->written.mid(before));
}

void CheckQueries(const std::vector<WrittenSentence>& sent, size_t first) {
    FUZZ_CHECK(sent.size() == first + 3, QString::number(sent.size()));
    FUZZ_CHECK(sent[first].kind == SentenceKind::QueryMmsi &&
                   sent[first + 1].kind == SentenceKind::QueryStatic &&
                   sent[first + 2].kind == SentenceKind::QueryVoyage,
               QString());
}

void CheckStaticData(const WrittenSentence& ssd, const Entries& entries) {
    FUZZ_CHECK(ssd.kind == SentenceKind::StaticData, QString());
    FUZZ_CHECK(ssd.callSign == entries.callSign, ssd.callSign + u'|' + entries.callSign);
    FUZZ_CHECK(ssd.shipName == entries.shipName, ssd.shipName + u'|' + entries.shipName);
    for (size_t i = 0; i < ssd.sizes.size(); ++i) {
        const QString box = entries.sizes[i].isEmpty() ? QStringLiteral("0") : entries.sizes[i];
        FUZZ_CHECK(ssd.sizes[i] == box, ssd.sizes[i] + u'|' + box);
    }
}

void CheckVesselClick(FuzzWindow& window) {
    TForm1& form = *window.form;
    const Entries entries = Snapshot(form);
    const QString row = form.ComboBox123->currentText();
    const auto sent = Click(window, &TForm1::Button121Click, form.Button121);
    const bool accepted = VesselAccepted(entries);
    FUZZ_CHECK(sent.empty() != accepted, entries.callSign + u'|' + entries.shipName);
    if (!accepted)
        return;
    CheckStaticData(sent[0], entries);
    FUZZ_CHECK(sent.size() > 1 && sent[1].kind == SentenceKind::VoyageData, QString());
    FUZZ_CHECK(sent[1].shipType == row.left(2), sent[1].shipType + u'|' + row);
    CheckQueries(sent, 2);
    for (TEdit* box : {form.Edit131, form.Edit132, form.Edit133, form.Edit134})
        FUZZ_CHECK(!box->text().isEmpty(), QString());
}

void CheckMmsiClick(FuzzWindow& window) {
    TForm1& form = *window.form;
    const Entries entries = Snapshot(form);
    const auto sent = Click(window, &TForm1::Button111Click, form.Button111);
    const bool accepted = MmsiAccepted(entries.mmsi);
    FUZZ_CHECK(sent.empty() != accepted, entries.mmsi);
    if (!accepted)
        return;
    FUZZ_CHECK(sent[0].kind == SentenceKind::Mmsi && sent[0].mmsi == entries.mmsi, entries.mmsi);
    CheckQueries(sent, 1);
    FUZZ_CHECK(!form.Edit111->isEnabled() && !form.Button111->isEnabled(), entries.mmsi);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Window();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzWindow& window = Window();
    ResetWindow(window);
    window.form->Button111->setEnabled(true);
    FuzzedDataProvider provider(data, size);
    Enter(*window.form, TakeEntries(provider));
    CheckVesselClick(window);
    CheckMmsiClick(window);
    return 0;
}
