#include "tools/unitsim/Nmea.h"

#include "tools/unitsim/LineAssembler.h"

#include <gtest/gtest.h>

namespace {

struct PayloadCase {
    const char* line;
    bool valid;
};

class VerifiedPayload : public testing::TestWithParam<PayloadCase> {};

TEST_P(VerifiedPayload, AcceptsOnlyFramedSentencesWithMatchingChecksum) {
    EXPECT_EQ(nmea::verifiedPayload(GetParam().line).has_value(), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, VerifiedPayload,
    testing::Values(PayloadCase{"$U0AIQ,SMM*43", true}, PayloadCase{"$U0AIQ,SSD*54", true},
                    PayloadCase{"$U0VSD,37,,,,,,,,*0C", true}, PayloadCase{"$U0AIQ,SMM*44", false},
                    PayloadCase{"$U0VSD,37,,,,,,,,*0c", false}, PayloadCase{"$U0AIQ,SMM", false},
                    PayloadCase{"U0AIQ,SMM*43", false}, PayloadCase{"x$U0AIQ,SMM*43", false},
                    PayloadCase{"$U0AIQ,SMM*43 ", false}, PayloadCase{"$U0AIQ,SMM*4", false},
                    PayloadCase{"$U0AIQ,S*MM*69", false}, PayloadCase{"", false}));

TEST(Sentence, FramesPayloadWithChecksumAndCrLf) {
    EXPECT_EQ(nmea::sentence("PSMT,TRG,02,00"), "$PSMT,TRG,02,00*75\r\n");
    EXPECT_EQ(nmea::sentence("U0VSD,37,,,,,,,,"), "$U0VSD,37,,,,,,,,*0C\r\n");
    EXPECT_EQ(nmea::sentence(""), "$*00\r\n");
}

struct EscapeCase {
    const char* escaped;
    const char* plain;
};

class EscapeRoundTrip : public testing::TestWithParam<EscapeCase> {};

TEST_P(EscapeRoundTrip, UnescapesAndEscapesBack) {
    EXPECT_EQ(nmea::unescapeText(GetParam().escaped), GetParam().plain);
    EXPECT_EQ(nmea::escapeText(GetParam().plain), GetParam().escaped);
}

INSTANTIATE_TEST_SUITE_P(Texts, EscapeRoundTrip,
                         testing::Values(EscapeCase{"PLAIN SHIP 1", "PLAIN SHIP 1"},
                                         EscapeCase{"38400^2C19200", "38400,19200"},
                                         EscapeCase{"^24^2A^21^5C^5E^7E", "$*!\\^~"},
                                         EscapeCase{"A^0D^0AB", "A\r\nB"}, EscapeCase{"", ""}));

TEST(Unescape, KeepsCaretsThatStartNoEscape) {
    EXPECT_EQ(nmea::unescapeText("^2c"), ",");
    EXPECT_EQ(nmea::unescapeText("A^G1"), "A^G1");
    EXPECT_EQ(nmea::unescapeText("A^2"), "A^2");
    EXPECT_EQ(nmea::unescapeText("^"), "^");
}

TEST(LineAssembler, EndsLinesAtCrAndDropsLf) {
    LineAssembler assembler;
    EXPECT_TRUE(assembler.feed("$U0AIQ,S").empty());
    EXPECT_EQ(assembler.feed("MM*43\r\n$A\nB\r"),
              (std::vector<std::string>{"$U0AIQ,SMM*43", "$AB"}));
}

TEST(LineAssembler, DropsEmptyLines) {
    LineAssembler assembler;
    EXPECT_EQ(assembler.feed("\r\n\r\rX\r"), (std::vector<std::string>{"X"}));
}

TEST(LineAssembler, KeepsNulAndHighBytes) {
    LineAssembler assembler;
    const std::string line("\0\xFF$", 3);
    EXPECT_EQ(assembler.feed(line + "\r"), (std::vector<std::string>{line}));
}

} // namespace
