#include "app/KeyFilter.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

bool InRange(char16_t code, char16_t first, char16_t last) {
    return code >= first && code <= last;
}

bool IsDigit(char16_t code) {
    return InRange(code, u'0', u'9');
}

bool IsDigitOrCapital(char16_t code) {
    return IsDigit(code) || InRange(code, u'A', u'Z');
}

bool IsShipNameChar(char16_t code) {
    return (InRange(code, 32, 63) && code != 43) || InRange(code, 65, 95);
}

struct FilterCase {
    const char* name;
    const QString* set;
    bool (*accepts)(char16_t);
    qsizetype size;
};

void PrintTo(const FilterCase& c, std::ostream* os) {
    *os << c.name;
}

class KeyFilterSet : public testing::TestWithParam<FilterCase> {};

std::vector<char16_t> CodesToTry() {
    std::vector<char16_t> codes;
    for (char16_t code = 0; code <= 255; ++code) {
        codes.push_back(code);
    }
    for (char16_t code : {0x3000, 0x3042, 0xFF10, 0xFF11, 0xFF21, 0xFF41, 0x0130, 0xFFFF}) {
        codes.push_back(code);
    }
    return codes;
}

TEST_P(KeyFilterSet, PassesExactlyItsCharactersAndBackspace) {
    for (char16_t code : CodesToTry()) {
        const bool accepted = GetParam().accepts(code) || code == 8;
        EXPECT_EQ(KeyCheck(*GetParam().set, QChar(code)), accepted ? QChar(code) : QChar(0))
            << "code " << int(code);
    }
}

TEST_P(KeyFilterSet, HoldsEachCharacterOnce) {
    EXPECT_EQ(GetParam().set->size(), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(Sets, KeyFilterSet,
                         testing::Values(FilterCase{"N", &AcceptStrN, IsDigit, 10},
                                         FilterCase{"AN", &AcceptStrAN, IsDigitOrCapital, 36},
                                         FilterCase{"ANC", &AcceptStrANC, IsShipNameChar, 62}),
                         [](const auto& info) { return std::string(info.param.name); });

struct UpperCase {
    char16_t typed;
    char16_t result;
};

void PrintTo(const UpperCase& c, std::ostream* os) {
    *os << int(c.typed);
}

class UpperCaseKeyCase : public testing::TestWithParam<UpperCase> {};

TEST_P(UpperCaseKeyCase, ChangesOnlyAToZ) {
    EXPECT_EQ(UpperCaseKey(QChar(GetParam().typed)), QChar(GetParam().result));
}

INSTANTIATE_TEST_SUITE_P(Keys, UpperCaseKeyCase,
                         testing::Values(UpperCase{u'a', u'A'}, UpperCase{u'm', u'M'},
                                         UpperCase{u'z', u'Z'}, UpperCase{u'`', u'`'},
                                         UpperCase{u'{', u'{'}, UpperCase{u'A', u'A'},
                                         UpperCase{u'7', u'7'}, UpperCase{8, 8}, UpperCase{0, 0},
                                         UpperCase{233, 233}, UpperCase{0xFF41, 0xFF41},
                                         UpperCase{0x0161, 0x0161}));

} // namespace
