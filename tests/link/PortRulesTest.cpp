#include "link/PortRules.h"

#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    const char* item;
    const char* portName;
};

class PortNameOfItemTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(PortNameOfItemTest, TakesTheTextBetweenTheFirstParenthesisAndTheLastCharacter) {
    EXPECT_EQ(PortNameOfItem(QString::fromUtf8(GetParam().item)),
              QString::fromUtf8(GetParam().portName));
}

INSTANTIATE_TEST_SUITE_P(Items, PortNameOfItemTest,
                         ::testing::Values(NameCase{"USB Serial Device (COM12)", "COM12"},
                                           NameCase{"USB Serial Device (COM3)", "COM3"},
                                           NameCase{"A (B) (COM3)", "B) (COM3"},
                                           NameCase{"COM7", "COM"}, NameCase{"X", ""},
                                           NameCase{"", ""}, NameCase{"Port ()", ""},
                                           NameCase{"Port (", ""},
                                           NameCase{"Simulated AIS unit (ttySIM0)", "ttySIM0"}));

TEST(PortItemText, PutsThePortNameInParenthesesAfterTheDescription) {
    EXPECT_EQ(PortItemText(QStringLiteral("USB Serial Device"), QStringLiteral("COM3")),
              QStringLiteral("USB Serial Device (COM3)"));
    EXPECT_EQ(PortItemText(QString(), QStringLiteral("ttyS0")),
              QStringLiteral("Serial Port (ttyS0)"));
}

TEST(PortItemText, GivesBackItsPortNameAndNumber) {
    const QString item = PortItemText(QStringLiteral("FT232R USB UART"), QStringLiteral("ttyUSB4"));
    EXPECT_EQ(PortNameOfItem(item), QStringLiteral("ttyUSB4"));
    EXPECT_EQ(TakeComNum(item), 4);
}

struct PortNameTest {
    const char* name;
    bool com;
    bool tty;
};

class PortNameFilterTest : public ::testing::TestWithParam<PortNameTest> {};

TEST_P(PortNameFilterTest, AcceptsLettersFollowedByADecimalNumber) {
    const QString name = QString::fromUtf8(GetParam().name);
    EXPECT_EQ(IsComPortName(name), GetParam().com) << GetParam().name;
    EXPECT_EQ(IsTtyPortName(name), GetParam().tty) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, PortNameFilterTest,
    ::testing::Values(PortNameTest{"COM1", true, true}, PortNameTest{"com5", true, true},
                      PortNameTest{"CoM12", true, true}, PortNameTest{"COM", false, false},
                      PortNameTest{"COMX", false, false}, PortNameTest{"COM 5", false, false},
                      PortNameTest{"COM+5", false, false}, PortNameTest{"COM0x1F", false, false},
                      PortNameTest{"LPT1", false, true}, PortNameTest{"ttyUSB0", false, true},
                      PortNameTest{"ttyACM10", false, true}, PortNameTest{"ttyS0", false, true},
                      PortNameTest{"ttySIM0", false, true}, PortNameTest{"tty", false, false},
                      PortNameTest{"0", false, false}, PortNameTest{"pts/3", false, false},
                      PortNameTest{"", false, false}));

TEST(EnumSerialCommWithFriendlyName, AppendsListedPortsInTheGivenOrderAndSkipsTheOthers) {
    QStringList items{QStringLiteral("kept (COM9)")};
    EnumSerialCommWithFriendlyName({{QStringLiteral("USB Serial Device"), QStringLiteral("COM10")},
                                    {QStringLiteral("broken"), QStringLiteral("COMX")},
                                    {QString(), QStringLiteral("COM2")},
                                    {QStringLiteral("no number"), QString()}},
                                   items);
    EXPECT_EQ(items, QStringList({QStringLiteral("kept (COM9)"),
                                  QStringLiteral("USB Serial Device (COM10)"),
                                  QStringLiteral("Serial Port (COM2)")}));
}

struct NumberCase {
    const char* item;
    std::optional<int32_t> number;
};

class TakeComNumTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(TakeComNumTest, ReadsTheDigitsThatEndThePortName) {
    EXPECT_EQ(TakeComNum(QString::fromUtf8(GetParam().item)), GetParam().number) << GetParam().item;
}

INSTANTIATE_TEST_SUITE_P(
    Items, TakeComNumTest,
    ::testing::Values(NumberCase{"USB Serial Device (COM12)", 12}, NumberCase{"(com5)", 5},
                      NumberCase{"Serial Port (ttyUSB0)", 0}, NumberCase{"X (ttyACM10)", 10},
                      NumberCase{"COM port (COM007)", 7},
                      NumberCase{"Simulated AIS unit (ttySIM0)", 0},
                      NumberCase{"(COM2147483647)", 2147483647},
                      NumberCase{"(COM2147483648)", std::nullopt},
                      NumberCase{"(COMX)", std::nullopt}, NumberCase{"(COM)", std::nullopt},
                      NumberCase{"no parentheses", std::nullopt}, NumberCase{"", std::nullopt}));

struct SortCase {
    const char* name;
    QStringList given;
    QStringList sorted;
};

class QuickSortTest : public ::testing::TestWithParam<SortCase> {};

TEST_P(QuickSortTest, OrdersByNumberThenByText) {
    QStringList items = GetParam().given;
    QuickSort(items, 0, items.size() - 1);
    EXPECT_EQ(items, GetParam().sorted);
}

// Every case also checks that the sort neither loses nor repeats an item.
INSTANTIATE_TEST_SUITE_P(
    Lists, QuickSortTest,
    ::testing::Values(SortCase{"NumberNotText",
                               {"Dev (COM10)", "Dev (COM2)", "Dev (COM1)"},
                               {"Dev (COM1)", "Dev (COM2)", "Dev (COM10)"}},
                      SortCase{"PivotMovedToTheFront",
                               {"(COM3)", "(COM1)", "(COM2)"},
                               {"(COM1)", "(COM2)", "(COM3)"}},
                      SortCase{"UnreadableNumbersLastInTextOrder",
                               {"Z (COMX)", "B (COM2)", "A (nothing)", "C (COM1)"},
                               {"C (COM1)", "B (COM2)", "A (nothing)", "Z (COMX)"}},
                      SortCase{"AllUnreadable", {"b", "a", "c"}, {"a", "b", "c"}},
                      SortCase{"LinuxNames",
                               {"Serial Port (ttyS10)", "FT232R (ttyUSB1)", "Serial Port (ttyS2)",
                                "Arduino (ttyACM0)"},
                               {"Arduino (ttyACM0)", "FT232R (ttyUSB1)", "Serial Port (ttyS2)",
                                "Serial Port (ttyS10)"}},
                      SortCase{"EqualNumbersByText",
                               {"Serial Port (ttyS0)", "Simulated AIS unit (ttySIM0)",
                                "FT232R (ttyUSB0)", "Arduino (ttyACM0)"},
                               {"Arduino (ttyACM0)", "FT232R (ttyUSB0)", "Serial Port (ttyS0)",
                                "Simulated AIS unit (ttySIM0)"}},
                      SortCase{"RepeatedTextsKept",
                               {"(COM2)", "(COM1)", "(COM2)", "(COM1)"},
                               {"(COM1)", "(COM1)", "(COM2)", "(COM2)"}},
                      SortCase{"Single", {"(COMX)"}, {"(COMX)"}}, SortCase{"Empty", {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QuickSort, SortsOnlyTheGivenRange) {
    QStringList items{"(COM9)", "(COM3)", "(COM2)", "(COM1)"};
    QuickSort(items, 1, 2);
    EXPECT_EQ(items, QStringList({"(COM9)", "(COM2)", "(COM3)", "(COM1)"}));
}

} // namespace
