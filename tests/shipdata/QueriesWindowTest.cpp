#include "codec/SequenceCounter.h"
#include "platform/Exception.h"
#include "tests/shipdata/WindowFixture.h"

namespace {

QByteArray Configuration(const char* first, const char* second, const char* third) {
    return QByteArray("$PSMT,0,0,0,0,nmeabaud 38400^2C19200,") + first +
           "\r\n$PSMT,0,0,0,1,setgnssmode 3," + second + "\r\n$PSMT,0,0,0,0,gpsfilt_nv 59," +
           third + "\r\n$PSMT,012,,,(--MolEt--)*57\r\n$PSMT,TRG,02,00*75\r\n";
}

using StartUpAndReadBack = ShipDataWindow;

TEST_F(StartUpAndReadBack, TheConfigurationCarriesTheCounterOfEachSentence) {
    for (int connection = 0; connection < 2; ++connection) {
        form.SetDefautConfig();
        form.GetVesselInfo();
        form.GetVesselInfo();
    }
    const QByteArray connect = Configuration("0*35", "1*51", "2*30") + Queries + Queries;
    const QByteArray again = Configuration("11*05", "12*63", "13*00") + Queries + Queries;
    EXPECT_EQ(port->written, connect + again);
    EXPECT_EQ(SqidS, QStringLiteral("22"));
}

TEST_F(StartUpAndReadBack, AFailedWriteEndsTheSequenceThere) {
    port->writesBeforeFailure = 2;
    EXPECT_THROW(form.SetDefautConfig(), EComPort);
    EXPECT_EQ(port->written,
              "$PSMT,0,0,0,0,nmeabaud 38400^2C19200,0*35\r\n$PSMT,0,0,0,1,setgnssmode 3,1*51\r\n");
    EXPECT_EQ(SqidS, QStringLiteral("2"));
}

} // namespace
