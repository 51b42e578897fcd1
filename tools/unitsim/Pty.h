#pragma once

#include <string>

// A pseudo-terminal whose slave side stands in for the unit's serial port. It keeps a slave
// descriptor of its own, so the master stays usable while the port is closed and reopened.
class Pty {
public:
    Pty();
    ~Pty();
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    int masterFd() const { return master_; }
    const std::string& slavePath() const { return slavePath_; }
    // Closes both sides, so that whoever has the port open sees it hang up.
    void hangUp();

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
};
