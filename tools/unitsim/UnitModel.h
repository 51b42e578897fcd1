#pragma once

#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view noMmsi = "000000000";

// What the unit holds. Texts are stored unescaped.
struct UnitData {
    std::string mmsi{noMmsi};
    std::string callsign = "SIM1234";
    std::string name = "SIMULATED UNIT";
    int a = 10;
    int b = 5;
    int c = 2;
    int d = 3;
    int shipType = 37;
};

// The unit's answer to one received line.
struct Outcome {
    std::string reply;      // a complete sentence with CR LF, or empty
    std::string diagnostic; // one line for the operator of the simulator, or empty
    bool changed = false;   // the stored data changed
};

// The unit's behaviour on the sentences the programming tool sends.
class UnitModel {
public:
    explicit UnitModel(UnitData initial) : data_(std::move(initial)) {}

    Outcome handleLine(std::string_view line);
    const UnitData& data() const { return data_; }

private:
    using Fields = std::vector<std::string>;

    Outcome answerQuery(const Fields& fields, std::string_view line) const;
    Outcome storeStationData(const Fields& fields, std::string_view line);
    Outcome storeVoyageData(const Fields& fields, std::string_view line);
    Outcome handleProprietary(const Fields& fields, std::string_view line);
    Outcome storeMmsi(std::string_view command, std::string_view line);

    std::string mmsiReply() const;
    std::string stationDataReply() const;
    std::string voyageDataReply() const;

    UnitData data_;
};

// The stored data as "key=value" lines.
std::string formatState(const UnitData& data);
