#include "platform/SerialPortList.h"

#include "tests/support/PtyPeer.h"
#include "tests/support/SimulatedUnitFolderScope.h"

#include <QFile>
#include <QSerialPortInfo>
#include <gtest/gtest.h>

namespace {

QStringList SimulatedNames(const QList<SerialPortEntry>& ports) {
    QStringList names;
    for (const SerialPortEntry& port : ports) {
        if (port.description == QLatin1String(SimulatedUnitDescription))
            names.append(port.portName);
    }
    return names;
}

TEST(SerialPortList, ListsTheSystemPortsFirstInTheirOrder) {
    SimulatedUnitFolderScope folder;
    PtyPeer peer;
    folder.Publish(peer, QStringLiteral("ttySIM0"));
    const QList<QSerialPortInfo> system = QSerialPortInfo::availablePorts();
    const QList<SerialPortEntry> ports = AvailableSerialPorts();
    ASSERT_EQ(ports.size(), system.size() + 1);
    for (qsizetype i = 0; i < system.size(); ++i)
        EXPECT_EQ(ports[i].portName, system[i].portName());
    EXPECT_EQ(ports.last().portName, QStringLiteral("ttySIM0"));
}

TEST(SerialPortList, ListsOnlyLinksToPseudoTerminalsAsSimulatedUnits) {
    SimulatedUnitFolderScope folder;
    PtyPeer first;
    PtyPeer second;
    folder.Publish(second, QStringLiteral("ttySIM2"));
    folder.Publish(first, QStringLiteral("ttySIM0"));
    folder.PublishLink(QStringLiteral("/dev/null"), QStringLiteral("ttySIM1"));
    folder.PublishLink(QStringLiteral("/dev/pts/999999"), QStringLiteral("ttySIM3"));
    QFile plain(SimulatedUnitFolder() + QStringLiteral("/ttySIM4"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    EXPECT_EQ(SimulatedNames(AvailableSerialPorts()),
              QStringList({QStringLiteral("ttySIM0"), QStringLiteral("ttySIM2")}));
    EXPECT_EQ(SimulatedUnitDevice(QStringLiteral("ttySIM0")), first.DevicePath());
    EXPECT_TRUE(SimulatedUnitDevice(QStringLiteral("ttySIM1")).isEmpty());
    EXPECT_TRUE(SimulatedUnitDevice(QStringLiteral("ttySIM4")).isEmpty());
    EXPECT_TRUE(SimulatedUnitDevice(QString()).isEmpty());
}

TEST(SerialPortList, AUnitIsGoneOnceItsLineIs) {
    SimulatedUnitFolderScope folder;
    auto peer = std::make_unique<PtyPeer>();
    folder.Publish(*peer, QStringLiteral("ttySIM0"));
    peer.reset();
    EXPECT_TRUE(SimulatedNames(AvailableSerialPorts()).isEmpty());
}

TEST(SerialPortList, TheFolderFollowsTheRuntimeLocation) {
    SimulatedUnitFolderScope folder;
    EXPECT_TRUE(SimulatedUnitFolder().startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR")));
    EXPECT_TRUE(SimulatedUnitFolder().endsWith(QStringLiteral("/quorvane-sim")));
}

} // namespace
