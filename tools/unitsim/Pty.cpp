#include "tools/unitsim/Pty.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>

namespace {

[[noreturn]] void throwSystemError(const char* what) {
    throw std::system_error(errno, std::generic_category(), what);
}

void check(int result, const char* what) {
    if (result < 0)
        throwSystemError(what);
}

void makeRaw(int fd) {
    termios settings{};
    check(tcgetattr(fd, &settings), "tcgetattr");
    cfmakeraw(&settings);
    check(tcsetattr(fd, TCSANOW, &settings), "tcsetattr");
}

} // namespace

Pty::Pty() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    try {
        check(master_, "posix_openpt");
        check(grantpt(master_), "grantpt");
        check(unlockpt(master_), "unlockpt");
        char name[PATH_MAX];
        if (int error = ptsname_r(master_, name, sizeof name); error != 0)
            throw std::system_error(error, std::generic_category(), "ptsname_r");
        slavePath_ = name;
        slave_ = open(name, O_RDWR | O_NOCTTY);
        check(slave_, "open pty slave");
        makeRaw(slave_);
        check(fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK), "fcntl");
    } catch (...) {
        hangUp();
        throw;
    }
}

Pty::~Pty() {
    hangUp();
}

void Pty::hangUp() {
    if (slave_ >= 0)
        close(slave_);
    if (master_ >= 0)
        close(master_);
    slave_ = -1;
    master_ = -1;
}
