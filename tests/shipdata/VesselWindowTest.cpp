#include "tests/shipdata/WindowFixture.h"

#include <QPushButton>

namespace {

const QString CallSignLength = Warning(QStringLiteral("Callsignは7文字までです。"));
const QString CallSignCharacters =
    Warning(QStringLiteral("Callsignに使用できない文字が含まれています。"));
const QString ShipNameLength = Warning(QStringLiteral("船名は20文字までです。"));
const QString ShipNameCharacters =
    Warning(QStringLiteral("船名に使用できない文字が含まれています。"));
const QString SizeWarning = Warning(QStringLiteral("船舶の正しい大きさを設定してください。"));
const QString SetNotice = Information(QStringLiteral("船舶情報を設定しました。"));

const QByteArray EmptyStation = "$U0SSD,,,0,0,0,0,,AI*29\r\n";
const QByteArray NoShipType = "$U0VSD,,,,,,,,,*08\r\n";
const QByteArray PleasureCraft = "$U0VSD,37,,,,,,,,*0C\r\n";

struct Entries {
    QString callSign = {};
    QString shipName = {};
    QStringList distances = {"", "", "", ""};
    int row = -1;
};

class VesselSet : public ShipDataWindow {
protected:
    std::array<TEdit*, 4> DistanceBoxes() const {
        return {form.Edit131, form.Edit132, form.Edit133, form.Edit134};
    }

    void Enter(const Entries& entries) {
        form.Edit121->setText(entries.callSign);
        form.Edit122->setText(entries.shipName);
        for (int i = 0; i < 4; ++i) {
            DistanceBoxes()[i]->setText(entries.distances[i]);
        }
        form.ComboBox123->setCurrentIndex(entries.row);
    }

    QStringList DistanceTexts() const {
        QStringList texts;
        for (TEdit* box : DistanceBoxes()) {
            texts << box->text();
        }
        return texts;
    }

    void ClickSet(const Entries& entries) {
        dialogs.clear();
        errors.clear();
        port->written.clear();
        Enter(entries);
        form.Button121->click();
    }
};

TEST_F(VesselSet, SendsStationAndVoyageDataThenReadsBack) {
    const struct {
        const char* name;
        Entries entries;
        QByteArray sent;
    } cases[] = {
        {"all boxes empty, no row", {}, EmptyStation + NoShipType},
        {"all boxes empty, row 7", {.row = 7}, EmptyStation + PleasureCraft},
        {"limits exactly",
         {"JA1234X", "SEA STAR NO 12345678", {"511", "511", "63", "63"}, 0},
         "$U0SSD,JA1234X,SEA STAR NO 12345678,511,511,63,63,,AI*14\r\n"
         "$U0VSD,30,,,,,,,,*0B\r\n"},
        {"texts as they stand",
         {"ABC1234", "TEST SHIP", {"010", "5", "2", "3"}, 18},
         "$U0SSD,ABC1234,TEST SHIP,010,5,2,3,,AI*5C\r\n$U0VSD,80,,,,,,,,*00\r\n"},
        {"reserved characters escaped in one field",
         {"", "A,B*C"},
         "$U0SSD,,A^2CB^2AC,0,0,0,0,,AI*6B\r\n" + NoShipType},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ClickSet(c.entries);
        EXPECT_EQ(dialogs, QStringList{SetNotice});
        EXPECT_EQ(port->written, c.sent + Queries);
        EXPECT_TRUE(errors.isEmpty());
    }
}

TEST_F(VesselSet, WarnsOnceForEachBrokenRuleAndSendsNothing) {
    const QString tooLongName = QString(21, u'N');
    const struct {
        const char* name;
        Entries entries;
        QStringList dialogs;
    } cases[] = {
        {"call sign of 8", {"ABCD1234"}, {CallSignLength}},
        {"ship name of 21", {"", tooLongName}, {ShipNameLength}},
        {"512 in A", {.distances = {"512", "", "", ""}}, {SizeWarning}},
        {"512 in B", {.distances = {"", "512", "", ""}}, {SizeWarning}},
        {"64 in C", {.distances = {"", "", "64", ""}}, {SizeWarning}},
        {"64 in D", {.distances = {"", "", "", "64"}}, {SizeWarning}},
        {"all four over", {.distances = {"512", "512", "64", "64"}}, {SizeWarning}},
        {"2147483647", {.distances = {"2147483647", "", "", ""}}, {SizeWarning}},
        {"three warnings",
         {"ABCD1234", tooLongName, {"", "", "", "64"}},
         {CallSignLength, ShipNameLength, SizeWarning}},
        {"five warnings",
         {"ABCD123\t", QStringLiteral("船") + tooLongName, {"999", "", "", ""}},
         {CallSignLength, CallSignCharacters, ShipNameLength, ShipNameCharacters, SizeWarning}},
        {"lower control character in a short call sign", {"AB\x01"}, {CallSignCharacters}},
        {"pasted line break", {"", "A\r\nB"}, {ShipNameCharacters}},
        {"pasted sentence",
         {"", "X\r\n$PSMT,0,0,0,0,set_mmsi 999999999,0*1A\r\n"},
         {ShipNameLength, ShipNameCharacters}},
        {"character beyond 7 bits", {"", QStringLiteral("CAFÉ")}, {ShipNameCharacters}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ClickSet(c.entries);
        EXPECT_EQ(dialogs, c.dialogs);
        EXPECT_TRUE(port->written.isEmpty());
        EXPECT_TRUE(errors.isEmpty());
    }
}

TEST_F(VesselSet, ADistanceThatIsNotDigitsAloneEndsTheClickWithTheConversionError) {
    const struct {
        QStringList distances;
        QStringList afterwards;
        const char* failing;
    } cases[] = {
        {{"2147483648", "", "", ""}, {"2147483648", "", "", ""}, "2147483648"},
        {{"", "9999999999", "", ""}, {"0", "9999999999", "", ""}, "9999999999"},
        {{"", "", "-1", ""}, {"0", "0", "-1", ""}, "-1"},
        {{"", "", "", " 5"}, {"0", "0", "0", " 5"}, " 5"},
        {{"+5", "", "", ""}, {"+5", "", "", ""}, "+5"},
        {{"1O", "", "", ""}, {"1O", "", "", ""}, "1O"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failing);
        ClickSet({.distances = c.distances});
        EXPECT_EQ(errors, QStringList{QStringLiteral("'%1' is not a valid integer value.")
                                          .arg(QString::fromLatin1(c.failing))});
        EXPECT_EQ(DistanceTexts(), c.afterwards);
        EXPECT_TRUE(dialogs.isEmpty());
        EXPECT_TRUE(port->written.isEmpty());
    }
}

TEST_F(VesselSet, WarningsComeBeforeTheConversionError) {
    ClickSet({"ABCD1234", "", {"2147483648", "", "", ""}});
    EXPECT_EQ(dialogs, QStringList{CallSignLength});
    EXPECT_EQ(errors.size(), 1);
    EXPECT_TRUE(port->written.isEmpty());
}

TEST_F(VesselSet, AFailedCheckLeavesTheZerosInTheEmptyDistanceBoxes) {
    ClickSet({"ABCD1234"});
    EXPECT_EQ(DistanceTexts(), QStringList({"0", "0", "0", "0"}));
}

TEST_F(VesselSet, AVoyageReplyDuringTheStationDataDrainDoesNotChangeTheVoyageData) {
    port->drainPolls = 1;
    bool delivered = false;
    port->onDrainPoll = [&] {
        if (!delivered) {
            delivered = true;
            Receive("$AIVSD,30*66");
        }
    };
    ClickSet({.row = 7});
    EXPECT_TRUE(delivered);
    EXPECT_EQ(port->written, EmptyStation + PleasureCraft + Queries);
    EXPECT_EQ(form.ComboBox123->currentIndex(), 0);
}

TEST_F(VesselSet, AFailedWriteEndsTheClickWithoutNoticeOrReadBack) {
    for (int writesBeforeFailure : {0, 1}) {
        SCOPED_TRACE(writesBeforeFailure);
        port->writesBeforeFailure = writesBeforeFailure;
        ClickSet({});
        EXPECT_EQ(errors, QStringList{QStringLiteral("WriteFile function failed (Error: 5)")});
        EXPECT_EQ(port->written, EmptyStation.left(writesBeforeFailure * EmptyStation.size()));
        EXPECT_TRUE(dialogs.isEmpty());
    }
}

TEST_F(VesselSet, ReadDataSendsTwoReadBacksWithoutADialog) {
    form.Button123->click();
    EXPECT_EQ(port->written, Queries + Queries);
    EXPECT_TRUE(dialogs.isEmpty());
}

TEST_F(VesselSet, ClearEmptiesTheGroupAndSelectsThePleasureCraftRow) {
    form.Edit111->setText(QStringLiteral("431000001"));
    Enter({"ABC1234", "TEST SHIP", {"1", "2", "3", "4"}, 0});
    form.Button122->click();
    for (TEdit* box :
         {form.Edit121, form.Edit122, form.Edit131, form.Edit132, form.Edit133, form.Edit134}) {
        EXPECT_TRUE(box->text().isEmpty());
    }
    EXPECT_EQ(form.ComboBox123->currentIndex(), 7);
    EXPECT_EQ(form.Edit111->text(), QStringLiteral("431000001"));
    EXPECT_TRUE(port->written.isEmpty());
    EXPECT_TRUE(dialogs.isEmpty());
}

} // namespace
