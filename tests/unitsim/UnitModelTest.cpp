#include "tools/unitsim/UnitModel.h"

#include <gtest/gtest.h>

namespace {

struct ReplyCase {
    const char* title;
    UnitData data;
    const char* query;
    const char* reply;
};

UnitData withTexts(std::string callsign, std::string name) {
    UnitData data;
    data.callsign = std::move(callsign);
    data.name = std::move(name);
    return data;
}

UnitData withMmsiAndType(std::string mmsi, int shipType) {
    UnitData data;
    data.mmsi = std::move(mmsi);
    data.shipType = shipType;
    return data;
}

class QueryReply : public testing::TestWithParam<ReplyCase> {};

TEST_P(QueryReply, AnswersWithFilledAndEscapedSentence) {
    UnitModel model(GetParam().data);
    const Outcome outcome = model.handleLine(GetParam().query);
    EXPECT_EQ(outcome.reply, GetParam().reply);
    EXPECT_EQ(outcome.diagnostic, "");
    EXPECT_FALSE(outcome.changed);
}

INSTANTIATE_TEST_SUITE_P(
    Queries, QueryReply,
    testing::Values(
        ReplyCase{"MmsiNoneStored", UnitData{}, "$U0AIQ,SMM*43", "$AISMM,0,0,000000000*47\r\n"},
        ReplyCase{"MmsiStored", withMmsiAndType("200000000", 37), "$U0AIQ,SMM*43",
                  "$AISMM,0,0,200000000*45\r\n"},
        ReplyCase{"StationDataDefaults", UnitData{}, "$U0AIQ,SSD*54",
                  "$AISSD,SIM1234,SIMULATED UNIT@@@@@@,10,5,2,3,0,AI*6E\r\n"},
        ReplyCase{"StationDataReservedCharacters", withTexts("JA,1", "SEA^BIRD*"), "$U0AIQ,SSD*54",
                  "$AISSD,JA^2C1@@@,SEA^5EBIRD^2A@@@@@@@@@@@,10,5,2,3,0,AI*1D\r\n"},
        ReplyCase{"VoyageData", withMmsiAndType("000000000", 30), "$U0AIQ,VSD*51",
                  "$AIVSD,30,,,,,,,,*66\r\n"}),
    [](const auto& info) { return info.param.title; });

TEST(StationData, EmptyTextsAreSentAsFill) {
    UnitData data = withTexts("", "");
    data.a = data.b = data.c = data.d = 0;
    UnitModel model(data);
    EXPECT_EQ(model.handleLine("$U0AIQ,SSD*54").reply,
              "$AISSD,@@@@@@@,@@@@@@@@@@@@@@@@@@@@,0,0,0,0,0,AI*34\r\n");
}

TEST(StationData, StoresTextsWithEscapesUndone) {
    UnitModel model(UnitData{});
    const Outcome outcome = model.handleLine("$U0SSD,JA^2C1,SEA^5EBIRD^2A,100,20,5,6,,AI*45");
    EXPECT_TRUE(outcome.changed);
    EXPECT_EQ(outcome.reply, "");
    EXPECT_EQ(model.data().callsign, "JA,1");
    EXPECT_EQ(model.data().name, "SEA^BIRD*");
    EXPECT_EQ((std::vector{model.data().a, model.data().b, model.data().c, model.data().d}),
              (std::vector{100, 20, 5, 6}));
}

TEST(StationData, ReadBackCarriesStoredData) {
    UnitModel model(UnitData{});
    model.handleLine("$U0SSD,JA^2C1,SEA^5EBIRD^2A,100,20,5,6,,AI*45");
    EXPECT_EQ(model.handleLine("$U0AIQ,SSD*54").reply,
              "$AISSD,JA^2C1@@@,SEA^5EBIRD^2A@@@@@@@@@@@,100,20,5,6,0,AI*18\r\n");
}

TEST(StationData, EmptyDistanceKeepsStoredValue) {
    UnitModel model(UnitData{});
    EXPECT_TRUE(model.handleLine("$U0SSD,ABC,SHIP,,,7,,,AI*5C").changed);
    EXPECT_EQ((std::vector{model.data().a, model.data().b, model.data().c, model.data().d}),
              (std::vector{10, 5, 7, 3}));
}

TEST(VoyageData, StoresShipType) {
    UnitModel model(UnitData{});
    EXPECT_TRUE(model.handleLine("$U0VSD,30,,,,,,,,*0B").changed);
    EXPECT_EQ(model.data().shipType, 30);
}

TEST(VoyageData, EmptyTypeKeepsStoredType) {
    UnitModel model(UnitData{});
    model.handleLine("$U0VSD,,,,,,,,,*08");
    EXPECT_EQ(model.data().shipType, 37);
}

struct RejectCase {
    const char* title;
    const char* line;
    const char* prefix;
};

class Rejected : public testing::TestWithParam<RejectCase> {};

TEST_P(Rejected, IsReportedAndChangesNothing) {
    UnitModel model(UnitData{});
    const Outcome outcome = model.handleLine(GetParam().line);
    EXPECT_EQ(outcome.diagnostic, std::string(GetParam().prefix) + GetParam().line);
    EXPECT_EQ(outcome.reply, "");
    EXPECT_FALSE(outcome.changed);
    EXPECT_EQ(formatState(model.data()), formatState(UnitData{}));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Rejected,
    testing::Values(
        RejectCase{"WrongChecksum", "$U0AIQ,SMM*42", "bad checksum: "},
        RejectCase{"LowerCaseChecksum", "$U0VSD,30,,,,,,,,*0b", "bad checksum: "},
        RejectCase{"MissingChecksum", "$U0AIQ,SMM", "bad checksum: "},
        RejectCase{"StrayBytesBeforeDollar", "x$U0AIQ,SMM*43", "bad checksum: "},
        RejectCase{"StarInsideField", "$U0AIQ,S*MM*69", "bad checksum: "},
        RejectCase{"StationDataShort", "$U0SSD,ABC,SHIP,1,2,3,4,AI*43", "malformed: "},
        RejectCase{"DistanceNotNumber", "$U0SSD,ABC,SHIP,1x,2,3,4,,AI*17", "malformed: "},
        RejectCase{"ShipTypeNotNumber", "$U0VSD,3a,,,,,,,,*5A", "malformed: "},
        RejectCase{"VoyageDataShort", "$U0VSD,30,,,,,,,*27", "malformed: "},
        RejectCase{"UnknownQuery", "$U0AIQ,XYZ*4B", "unknown sentence: "},
        RejectCase{"UnknownSentence", "$U0ABC,1*38", "unknown sentence: "},
        RejectCase{"UnknownCommand", "$PSMT,0,0,0,0,reboot now,0*7D", "unknown sentence: "},
        RejectCase{"MmsiTooShort", "$PSMT,0,0,0,0,set_mmsi 20000000,0*2F", "mmsi refused: "}),
    [](const auto& info) { return info.param.title; });

class ConfigurationSentence : public testing::TestWithParam<const char*> {};

TEST_P(ConfigurationSentence, IsIgnoredSilently) {
    UnitModel model(UnitData{});
    const Outcome outcome = model.handleLine(GetParam());
    EXPECT_EQ(outcome.reply, "");
    EXPECT_EQ(outcome.diagnostic, "");
    EXPECT_FALSE(outcome.changed);
}

INSTANTIATE_TEST_SUITE_P(StartUp, ConfigurationSentence,
                         testing::Values("$PSMT,0,0,0,0,nmeabaud 38400^2C19200,0*35",
                                         "$PSMT,0,0,0,1,setgnssmode 3,1*51",
                                         "$PSMT,0,0,0,0,gpsfilt_nv 59,2*30",
                                         "$PSMT,012,,,(--MolEt--)*57", "$PSMT,TRG,02,00*75"));

TEST(Mmsi, FirstIsStoredAndLaterOnesRefused) {
    UnitModel model(UnitData{});
    EXPECT_TRUE(model.handleLine("$PSMT,0,0,0,0,set_mmsi 200000000,0*1F").changed);
    const char* second = "$PSMT,0,0,0,0,set_mmsi 300000000,0*1E";
    const Outcome outcome = model.handleLine(second);
    EXPECT_FALSE(outcome.changed);
    EXPECT_EQ(outcome.diagnostic, std::string("mmsi refused: ") + second);
    EXPECT_EQ(model.handleLine("$U0AIQ,SMM*43").reply, "$AISMM,0,0,200000000*45\r\n");
}

TEST(Mmsi, MalformedMmsiDoesNotUseUpTheOneWrite) {
    UnitModel model(UnitData{});
    model.handleLine("$PSMT,0,0,0,0,set_mmsi 20000000,0*2F");
    EXPECT_TRUE(model.handleLine("$PSMT,0,0,0,0,set_mmsi 300000000,0*1E").changed);
    EXPECT_EQ(model.data().mmsi, "300000000");
}

TEST(Mmsi, UnitStartedWithMmsiRefusesAnother) {
    UnitModel model(withMmsiAndType("200000000", 37));
    EXPECT_NE(model.handleLine("$PSMT,0,0,0,0,set_mmsi 300000000,0*1E").diagnostic, "");
    EXPECT_EQ(model.data().mmsi, "200000000");
}

TEST(State, ListsEveryStoredValue) {
    EXPECT_EQ(formatState(UnitData{}), "mmsi=000000000\ncallsign=SIM1234\nname=SIMULATED UNIT\n"
                                       "a=10\nb=5\nc=2\nd=3\nshiptype=37\n");
}

} // namespace
