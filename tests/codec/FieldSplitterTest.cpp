#include "codec/FieldSplitter.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

const QString Untouched = QStringLiteral("#old#");

TRxSlots FilledSlots() {
    TRxSlots table;
    table.fill(Untouched);
    return table;
}

// The table a line is expected to write, then the untouched rest.
TRxSlots Expected(const QStringList& written) {
    TRxSlots table = FilledSlots();
    for (qsizetype i = 0; i < written.size() && i < RxSlotCount; ++i) {
        table[i] = written[i];
    }
    return table;
}

struct SplitCase {
    QString line;
    QStringList written;
};

void PrintTo(const SplitCase& c, std::ostream* os) {
    *os << '"' << c.line.toStdString() << '"';
}

class SplitLine : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitLine, WritesSlotsUpToTheChecksumAndLeavesTheRest) {
    TRxSlots table = FilledSlots();
    DecCmdPrm(GetParam().line, table);
    EXPECT_EQ(table, Expected(GetParam().written));
}

const QString E;

INSTANTIATE_TEST_SUITE_P(
    Lines, SplitLine,
    testing::Values(
        SplitCase{"$AISSD,ABC1234,TEST SHIP,10,5,2,3,0,AI*31",
                  {"$AISSD", "ABC1234", "TEST SHIP", "10", "5", "2", "3", "0", "AI", "31"}},
        SplitCase{"$AIVSD,30*66", {"$AIVSD", "30", "66"}},
        SplitCase{"$AIVSD,37", {"$AIVSD", E, "37"}},
        SplitCase{"$AIVSD,30,", {"$AIVSD", "30", E, E}}, SplitCase{"$AISSD*12", {"$AISSD", "12"}},
        SplitCase{"ABC", {E, "ABC"}}, SplitCase{E, {E, E}},
        SplitCase{"x$AISMM,1,2,3*00", {"x$AISMM", "1", "2", "3", "00"}},
        SplitCase{"$A,x*y,z*1*2", {"$A", "x*y", "z", "1*2"}}, SplitCase{",,", {E, E, E, E}}));

TEST(DecCmdPrm, ShorterLineLeavesTheHigherSlotsOfTheEarlierOne) {
    TRxSlots table = FilledSlots();
    DecCmdPrm(QStringLiteral("$AISSD,ABC1234,TEST SHIP,10,5,2,3,0,AI*31"), table);
    DecCmdPrm(QStringLiteral("$AIVSD,30*66"), table);
    EXPECT_EQ(table, Expected({"$AIVSD", "30", "66", "10", "5", "2", "3", "0", "AI", "31"}));
}

TEST(DecCmdPrm, RxCmdPrmStartsEmpty) {
    for (const QString& slot : RxCmdPrm) {
        EXPECT_TRUE(slot.isEmpty());
    }
}

// "$F,f1,...,fn*7E": n commas, fields named after their position.
QString LineWithCommas(int commas) {
    QString line = QStringLiteral("$F");
    for (int field = 1; field <= commas; ++field) {
        line += QStringLiteral(",f%1").arg(field);
    }
    return line + QStringLiteral("*7E");
}

QStringList FieldsOf(int commas) {
    QStringList written{QStringLiteral("$F")};
    for (int field = 1; field <= commas; ++field) {
        written.append(QStringLiteral("f%1").arg(field));
    }
    written.append(QStringLiteral("7E"));
    return written;
}

class ManyCommas : public testing::TestWithParam<int> {};

TEST_P(ManyCommas, FillAtMostAllSlotsFromTheFirstFields) {
    TRxSlots table = FilledSlots();
    DecCmdPrm(LineWithCommas(GetParam()), table);
    EXPECT_EQ(table, Expected(FieldsOf(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(Commas, ManyCommas, testing::Values(18, 19, 20, 21, 25, 1000));

} // namespace
