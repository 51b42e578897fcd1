#pragma once

#include "tools/unitsim/LineAssembler.h"
#include "tools/unitsim/Options.h"
#include "tools/unitsim/OutputQueue.h"
#include "tools/unitsim/PortLink.h"
#include "tools/unitsim/Pty.h"
#include "tools/unitsim/UnitModel.h"

#include <random>

// The unit on the far side of the serial line: one poll loop over the pseudo-terminal and
// the termination signals.
class Simulator {
public:
    // Blocks the termination signals first, so that none is lost before run() waits for it.
    explicit Simulator(const SimOptions& options);
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    const PortLink& link() const { return link_; }
    const Pty& pty() const { return pty_; }
    // Serves the port until a termination signal or the planned hang-up; returns the exit code.
    int run();

private:
    enum class Progress { goOn, stop };

    Progress receive();
    Progress handleLine(const std::string& line);
    void queueReply(const std::string& reply);
    std::string garbage();
    void writeReady();
    int pollTimeoutMs() const;
    void saveState() const;
    void record(std::string_view bytes) const;

    const SimOptions options_;
    int signalFd_ = -1;
    Pty pty_;
    PortLink link_;
    int transcriptFd_ = -1;
    UnitModel model_;
    LineAssembler assembler_;
    OutputQueue output_;
    OutputQueue::Clock::time_point lastScheduled_{};
    bool outputBlocked_ = false;
    unsigned sentencesReceived_ = 0;
    std::mt19937 random_{std::random_device{}()};
};
