#include "tools/unitsim/UnitModel.h"

#include "tools/unitsim/Nmea.h"

#include <algorithm>
#include <charconv>
#include <set>

namespace {

constexpr std::size_t callsignWidth = 7;
constexpr std::size_t nameWidth = 20;
constexpr std::size_t stationDataFieldCount = 9;
constexpr std::size_t voyageDataFieldCount = 10;
constexpr std::size_t commandFieldCount = 7;
constexpr std::size_t commandField = 5;
constexpr std::string_view setMmsiCommand = "set_mmsi ";

const std::set<std::string, std::less<>> configurationCommands = {"nmeabaud", "setgnssmode",
                                                                  "gpsfilt_nv"};

Outcome diagnostic(std::string_view prefix, std::string_view line) {
    Outcome outcome;
    outcome.diagnostic = std::string(prefix) + std::string(line);
    return outcome;
}

Outcome change() {
    Outcome outcome;
    outcome.changed = true;
    return outcome;
}

Outcome reply(std::string sentence) {
    Outcome outcome;
    outcome.reply = std::move(sentence);
    return outcome;
}

bool isDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A number field: digits set the value, an empty field leaves it as it is.
bool applyNumber(std::string_view field, int& value) {
    if (field.empty())
        return true;
    if (!isDigits(field))
        return false;
    const auto result = std::from_chars(field.data(), field.data() + field.size(), value);
    return result.ec == std::errc{};
}

// Text fields are sent at full width, filled with "@" as the standard's fields are.
std::string filledText(std::string_view text, std::size_t width) {
    std::string filled(text);
    if (filled.size() < width)
        filled.append(width - filled.size(), '@');
    return nmea::escapeText(filled);
}

std::string_view commandWord(std::string_view command) {
    return command.substr(0, command.find(' '));
}

} // namespace

Outcome UnitModel::handleLine(std::string_view line) {
    const auto payload = nmea::verifiedPayload(line);
    if (!payload)
        return diagnostic("bad checksum: ", line);
    const auto fields = nmea::splitFields(*payload);
    const auto& address = fields.front();
    if (address == "U0AIQ")
        return answerQuery(fields, line);
    if (address == "U0SSD")
        return storeStationData(fields, line);
    if (address == "U0VSD")
        return storeVoyageData(fields, line);
    if (address == "PSMT")
        return handleProprietary(fields, line);
    return diagnostic("unknown sentence: ", line);
}

Outcome UnitModel::answerQuery(const Fields& fields, std::string_view line) const {
    if (fields.size() != 2)
        return diagnostic("malformed: ", line);
    if (fields[1] == "SMM")
        return reply(mmsiReply());
    if (fields[1] == "SSD")
        return reply(stationDataReply());
    if (fields[1] == "VSD")
        return reply(voyageDataReply());
    return diagnostic("unknown sentence: ", line);
}

Outcome UnitModel::storeStationData(const Fields& fields, std::string_view line) {
    UnitData updated = data_;
    const bool wellFormed = fields.size() == stationDataFieldCount &&
                            applyNumber(fields[3], updated.a) &&
                            applyNumber(fields[4], updated.b) &&
                            applyNumber(fields[5], updated.c) && applyNumber(fields[6], updated.d);
    if (!wellFormed)
        return diagnostic("malformed: ", line);
    updated.callsign = nmea::unescapeText(fields[1]);
    updated.name = nmea::unescapeText(fields[2]);
    data_ = std::move(updated);
    return change();
}

Outcome UnitModel::storeVoyageData(const Fields& fields, std::string_view line) {
    if (fields.size() != voyageDataFieldCount || !applyNumber(fields[1], data_.shipType))
        return diagnostic("malformed: ", line);
    return change();
}

Outcome UnitModel::handleProprietary(const Fields& fields, std::string_view line) {
    if (fields.size() > 1 && (fields[1] == "012" || fields[1] == "TRG"))
        return {};
    if (fields.size() != commandFieldCount)
        return diagnostic("unknown sentence: ", line);
    const std::string_view command = fields[commandField];
    if (command.starts_with(setMmsiCommand))
        return storeMmsi(command.substr(setMmsiCommand.size()), line);
    if (configurationCommands.contains(commandWord(command)))
        return {};
    return diagnostic("unknown sentence: ", line);
}

// The unit takes an MMSI only once; it cannot be changed afterwards.
Outcome UnitModel::storeMmsi(std::string_view mmsi, std::string_view line) {
    if (data_.mmsi != noMmsi || mmsi.size() != noMmsi.size() || !isDigits(mmsi))
        return diagnostic("mmsi refused: ", line);
    data_.mmsi = mmsi;
    return change();
}

std::string UnitModel::mmsiReply() const {
    return nmea::sentence("AISMM,0,0," + data_.mmsi);
}

std::string UnitModel::stationDataReply() const {
    return nmea::sentence("AISSD," + filledText(data_.callsign, callsignWidth) + ',' +
                          filledText(data_.name, nameWidth) + ',' + std::to_string(data_.a) + ',' +
                          std::to_string(data_.b) + ',' + std::to_string(data_.c) + ',' +
                          std::to_string(data_.d) + ",0,AI");
}

std::string UnitModel::voyageDataReply() const {
    return nmea::sentence("AIVSD," + std::to_string(data_.shipType) + ",,,,,,,,");
}

std::string formatState(const UnitData& data) {
    return "mmsi=" + data.mmsi + "\ncallsign=" + data.callsign + "\nname=" + data.name +
           "\na=" + std::to_string(data.a) + "\nb=" + std::to_string(data.b) +
           "\nc=" + std::to_string(data.c) + "\nd=" + std::to_string(data.d) +
           "\nshiptype=" + std::to_string(data.shipType) + "\n";
}
