#include "tests/shipdata/WindowFixture.h"

#include <QPushButton>

namespace {

class ReplyDecoding : public ShipDataWindow {
protected:
    ReplyDecoding() {
        const QStringList previous = {"OLDCS", "OLD NAME", "91", "92", "93", "94"};
        for (int i = 0; i < 6; ++i) {
            StationBoxes()[i]->setText(previous[i]);
        }
        form.ComboBox123->setCurrentIndex(12);
        form.Edit111->setText(QStringLiteral("123456789"));
        form.Button111->setEnabled(false);
    }

    std::array<TEdit*, 6> StationBoxes() const {
        return {form.Edit121, form.Edit122, form.Edit131, form.Edit132, form.Edit133, form.Edit134};
    }

    QStringList StationTexts() const {
        QStringList texts;
        for (TEdit* box : StationBoxes()) {
            texts << box->text();
        }
        return texts;
    }

    void Decode(const QStringList& lines) {
        for (const QString& line : lines) {
            form.DecodeRxData(line);
        }
    }
};

TEST_F(ReplyDecoding, StationDataFillsTheBoxesUpToAFieldThatDoesNotConvert) {
    const struct {
        const char* line;
        QStringList texts;
    } cases[] = {
        {"$AISSD,ABC1234,TEST SHIP@@@@@@@@@@@,010,5,2,3,0,AI*41",
         {"ABC1234", "TEST SHIP", "10", "5", "2", "3"}},
        {"$AISSD,@@@@@@@,SHIP,1,2,3,4,0,AI*00", {"", "SHIP", "1", "2", "3", "4"}},
        {"$AISSD,AB@CD,SHIP,+1, 2,03,-4,0,AI*00", {"AB", "SHIP", "1", "2", "3", "-4"}},
        {"$AISSD,CS,NAME,1,2,,4,0,AI*00", {"CS", "NAME", "1", "2", "93", "94"}},
        {"$AISSD,CS,NAME,abc,2,3,4,0,AI*00", {"CS", "NAME", "91", "92", "93", "94"}},
        {"$AISSD,CS,NAME,1,$2,3,4,0,AI*00", {"CS", "NAME", "1", "92", "93", "94"}},
        {"$aissd,CS,NAME,1,2,3,4,0,AI*00", {"OLDCS", "OLD NAME", "91", "92", "93", "94"}},
        {" $AISSD,CS,NAME,1,2,3,4,0,AI*00", {"OLDCS", "OLD NAME", "91", "92", "93", "94"}},
        {"$AISSD ,CS,NAME,1,2,3,4,0,AI*00", {"OLDCS", "OLD NAME", "91", "92", "93", "94"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const QStringList previous = StationTexts();
        Decode({QString::fromLatin1(c.line)});
        EXPECT_EQ(StationTexts(), c.texts);
        for (int i = 0; i < 6; ++i) {
            StationBoxes()[i]->setText(previous[i]);
        }
    }
    EXPECT_TRUE(dialogs.isEmpty());
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_TRUE(port->written.isEmpty());
}

TEST_F(ReplyDecoding, MmsiReplyLocksTheBoxWhenTheUnitHoldsAnMmsi) {
    const struct {
        QStringList lines;
        const char* text;
        bool unlocked;
    } cases[] = {
        {{"$AISMM,0,0,200000000*00"}, "200000000", false},
        {{"$AISMM,0,0,000000000*00"}, "", true},
        {{"$AISMM,0,0,*00"}, "", true},
        {{"$AISMM,0,0,00000000*00"}, "00000000", false},
        {{"$AISSD,ABC1234,TEST SHIP@@@@@@@@@@@,010,5,2,3,0,AI*41", "$AISMM*12"}, "010", false},
        {{"$AISMM,0,0,000000000*00", "$aismm,0,0,200000000*00"}, "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines.join(u'|').toStdString());
        form.Edit111->setEnabled(!c.unlocked);
        form.Button111->setEnabled(!c.unlocked);
        Decode(c.lines);
        EXPECT_EQ(form.Edit111->text(), QString::fromLatin1(c.text));
        EXPECT_EQ(form.Edit111->isEnabled(), c.unlocked);
        EXPECT_EQ(form.Button111->isEnabled(), c.unlocked);
    }
}

TEST_F(ReplyDecoding, VoyageDataSelectsTheShipTypeRow) {
    const struct {
        const char* line;
        int row;
    } cases[] = {
        {"$AIVSD,30*66", 0},   {"$AIVSD,059*00", 15},  {"$AIVSD,61*00", 7},   {"$AIVSD,0*00", 0},
        {"$AIVSD,8*00", 14},   {"$AIVSD,30.5*00", 12}, {"$AIVSD,abc*00", 12}, {"$AIVSD,*00", 12},
        {"$AIVSD,$1E*00", 12}, {"$aivsd,30*66", 12},   {"$AIVSD,80", 12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        form.ComboBox123->setCurrentIndex(12);
        Decode({QString::fromLatin1(c.line)});
        EXPECT_EQ(form.ComboBox123->currentIndex(), c.row);
    }
}

TEST_F(ReplyDecoding, ALineThatFailsToConvertLeavesTheLinesAfterItToBeDecoded) {
    port->Receive("$AIVSD,abc*00\r\n$AISSD,CS,NAME,x,2,3,4,0,AI*00\r\n$AIVSD,80*00\r\n"
                  "$AISMM,0,0,431000001*00\r\n");
    EXPECT_EQ(form.ComboBox123->currentIndex(), 18);
    EXPECT_EQ(form.Edit121->text(), QStringLiteral("CS"));
    EXPECT_EQ(form.Edit131->text(), QStringLiteral("91"));
    EXPECT_EQ(form.Edit111->text(), QStringLiteral("431000001"));
    EXPECT_TRUE(errors.isEmpty());
}

} // namespace
