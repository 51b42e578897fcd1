#include "shipdata/ReplyRules.h"

#include "platform/Exception.h"
#include "shipdata/ShipTypeRules.h"

#include <gtest/gtest.h>

namespace {

TEST(GetVesselStr, CutsAtTheFirstFiller) {
    const struct {
        const char* field;
        const char* text;
    } cases[] = {{"TEST SHIP@@@@@@@@@@@", "TEST SHIP"},
                 {"@@@@@@@", ""},
                 {"AB@CD", "AB"},
                 {"ABC1234", "ABC1234"},
                 {" A B ", " A B "},
                 {"", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        EXPECT_EQ(GetVesselStr(QString::fromLatin1(c.field)), QString::fromLatin1(c.text));
    }
}

TEST(GetVesselSize, WritesTheNumberBackInDecimal) {
    const struct {
        const char* field;
        const char* text;
    } cases[] = {{"010", "10"}, {"+5", "5"}, {" 7", "7"},
                 {"-3", "-3"},  {"0", "0"},  {"2147483647", "2147483647"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        EXPECT_EQ(GetVesselSize(QString::fromLatin1(c.field)), QString::fromLatin1(c.text));
    }
}

TEST(GetVesselSize, RaisesForWhatDoesNotConvert) {
    for (const char* field : {"", "abc", "30.5", "7 ", "$1F", "0x1F", "2147483648", "- 3"}) {
        SCOPED_TRACE(field);
        EXPECT_THROW(GetVesselSize(QString::fromLatin1(field)), EConvertError);
    }
}

TEST(MmsiStored, OnlyEmptyAndNineZerosMeanNone) {
    EXPECT_FALSE(MmsiStored(QString()));
    EXPECT_FALSE(MmsiStored(QStringLiteral("000000000")));
    for (const char* mmsi : {"200000000", "00000000", "0", "0000000000", "010"}) {
        SCOPED_TRACE(mmsi);
        EXPECT_TRUE(MmsiStored(QString::fromLatin1(mmsi)));
    }
}

// Ship type numbers and the row each selects over the window's list.
std::vector<std::pair<int, int>> ListedLookups() {
    std::vector<std::pair<int, int>> cases = {{0, 0},  {3, 0},  {1, 1},   {2, 2}, {5, 2},
                                              {20, 2}, {25, 2}, {200, 2}, {4, 4}, {6, 6},
                                              {8, 14}, {9, 15}, {7, 7}};
    for (int row = 0; row < ShipTypeRows.size(); ++row) {
        cases.emplace_back(ShipTypeRows[row].left(2).toInt(), row);
    }
    auto fallBack = [&cases](int from, int to) {
        for (int type = from; type <= to; ++type) {
            if (type != 20 && type != 25) {
                cases.emplace_back(type, DefaultShipTypeRow);
            }
        }
    };
    fallBack(10, 29);
    fallBack(38, 49);
    fallBack(56, 57);
    fallBack(61, 69);
    fallBack(71, 79);
    fallBack(81, 89);
    fallBack(91, 199);
    fallBack(201, 1000);
    fallBack(-100, -1);
    return cases;
}

TEST(ShipTypeRowFor, SelectsTheFirstRowHoldingTheNumber) {
    for (const auto& [type, row] : ListedLookups()) {
        SCOPED_TRACE(type);
        EXPECT_EQ(ShipTypeRowFor(ShipTypeRows, QString::number(type)), row);
    }
}

TEST(ShipTypeRowFor, ReadsTheFieldAsANumberFirst) {
    EXPECT_EQ(ShipTypeRowFor(ShipTypeRows, QStringLiteral("059")), 15);
    EXPECT_EQ(ShipTypeRowFor(ShipTypeRows, QStringLiteral("070")), 17);
    EXPECT_EQ(ShipTypeRowFor(ShipTypeRows, QStringLiteral("+30")), 0);
}

TEST(ShipTypeRowFor, RaisesForAFieldThatDoesNotConvert) {
    for (const char* field : {"", "abc", "30.5", "$1E"}) {
        SCOPED_TRACE(field);
        EXPECT_THROW(ShipTypeRowFor(ShipTypeRows, QString::fromLatin1(field)), EConvertError);
    }
}

TEST(ShipTypeRows, HoldTheTwentyTypesWithTheDefaultAtRowSeven) {
    ASSERT_EQ(ShipTypeRows.size(), 20);
    EXPECT_EQ(ShipTypeRows[DefaultShipTypeRow], QStringLiteral("37 : Vessel- Pleasure craft"));
    EXPECT_EQ(ShipTypeRows[15],
              QStringLiteral("59 : Ships  of States not parties to an armed conflict"));
}

} // namespace
