#pragma once

#include "tools/unitsim/UnitModel.h"

#include <chrono>
#include <string>

class QCoreApplication;

struct SimOptions {
    UnitData initial;
    std::string folder;
    std::string transcriptPath;
    std::string statePath;
    std::chrono::milliseconds replyDelay{0};
    unsigned baud = 0;        // 0: no pacing
    unsigned hangupAfter = 0; // 0: never
    bool garbage = false;
    bool splitReplies = false;
};

// Reads the command line; throws std::invalid_argument on a value that does not fit.
SimOptions parseOptions(const QCoreApplication& app);
