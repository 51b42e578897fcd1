#include "tools/unitsim/Options.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QStandardPaths>
#include <limits>
#include <stdexcept>

namespace {

const QString runtimeFolderName = QStringLiteral("/quorvane-sim");

struct Option {
    QString name;
    QString description;
    QString valueName;
};

const Option options[] = {
    {"folder", "Folder for the ttySIM link (default: runtime folder/quorvane-sim).", "dir"},
    {"transcript", "Write every received byte to <file>.", "file"},
    {"state", "Keep the stored data as key=value lines in <file>.", "file"},
    {"mmsi", "Stored MMSI (default 000000000: none).", "digits"},
    {"callsign", "Stored call sign (default SIM1234).", "text"},
    {"name", "Stored ship name (default SIMULATED UNIT).", "text"},
    {"a", "Antenna distance A (default 10).", "n"},
    {"b", "Antenna distance B (default 5).", "n"},
    {"c", "Antenna distance C (default 2).", "n"},
    {"d", "Antenna distance D (default 3).", "n"},
    {"shiptype", "Ship type (default 37).", "n"},
    {"reply-delay", "Wait <ms> before each reply.", "ms"},
    {"baud", "Send no faster than a line of <n> baud.", "n"},
    {"hangup-after", "Hang up after <n> received sentences.", "n"},
    {"garbage", "Answer every query with random bytes.", ""},
    {"split-replies", "Write each reply in several small pieces.", ""},
};

unsigned readNumber(const QCommandLineParser& parser, const QString& name, unsigned fallback) {
    if (!parser.isSet(name))
        return fallback;
    bool ok = false;
    const unsigned value = parser.value(name).toUInt(&ok);
    if (!ok)
        throw std::invalid_argument("--" + name.toStdString() + " needs a whole number");
    return value;
}

int readInt(const QCommandLineParser& parser, const QString& name, int fallback) {
    const unsigned value = readNumber(parser, name, unsigned(fallback));
    if (value > unsigned(std::numeric_limits<int>::max()))
        throw std::invalid_argument("--" + name.toStdString() + " is too large");
    return int(value);
}

std::string readText(const QCommandLineParser& parser, const QString& name,
                     const std::string& fallback) {
    return parser.isSet(name) ? parser.value(name).toStdString() : fallback;
}

std::string readMmsi(const QCommandLineParser& parser, const std::string& fallback) {
    const std::string mmsi = readText(parser, "mmsi", fallback);
    if (!QRegularExpression("^\\d{9}$").match(QString::fromStdString(mmsi)).hasMatch())
        throw std::invalid_argument("--mmsi needs nine digits");
    return mmsi;
}

std::string defaultFolder() {
    return (QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + runtimeFolderName)
        .toStdString();
}

UnitData readInitialData(const QCommandLineParser& parser) {
    const UnitData defaults;
    UnitData data;
    data.mmsi = readMmsi(parser, defaults.mmsi);
    data.callsign = readText(parser, "callsign", defaults.callsign);
    data.name = readText(parser, "name", defaults.name);
    data.a = readInt(parser, "a", defaults.a);
    data.b = readInt(parser, "b", defaults.b);
    data.c = readInt(parser, "c", defaults.c);
    data.d = readInt(parser, "d", defaults.d);
    data.shipType = readInt(parser, "shiptype", defaults.shipType);
    return data;
}

} // namespace

SimOptions parseOptions(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Stands in for the AIS unit on a pseudo-terminal.");
    parser.addHelpOption();
    for (const auto& option : options)
        parser.addOption(QCommandLineOption(option.name, option.description, option.valueName));
    parser.process(app);

    SimOptions result;
    result.initial = readInitialData(parser);
    result.folder = parser.isSet("folder") ? parser.value("folder").toStdString() : defaultFolder();
    result.transcriptPath = readText(parser, "transcript", {});
    result.statePath = readText(parser, "state", {});
    result.replyDelay = std::chrono::milliseconds(readNumber(parser, "reply-delay", 0));
    result.baud = readNumber(parser, "baud", 0);
    result.hangupAfter = readNumber(parser, "hangup-after", 0);
    result.garbage = parser.isSet("garbage");
    result.splitReplies = parser.isSet("split-replies");
    return result;
}
