#include "tools/unitsim/Simulator.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <poll.h>
#include <sys/signalfd.h>
#include <system_error>
#include <unistd.h>

namespace {

using Clock = OutputQueue::Clock;

constexpr std::size_t splitPieceSize = 5;
constexpr auto splitPause = std::chrono::milliseconds(10);
constexpr int garbageMinLength = 8;
constexpr int garbageMaxLength = 40;

[[noreturn]] void throwSystemError(const std::string& what) {
    throw std::system_error(errno, std::generic_category(), what);
}

int blockTerminationSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&signals, signal);
    if (sigprocmask(SIG_BLOCK, &signals, nullptr) != 0)
        throwSystemError("sigprocmask");
    const int fd = signalfd(-1, &signals, SFD_CLOEXEC);
    if (fd < 0)
        throwSystemError("signalfd");
    return fd;
}

const std::string& privateFolder(const std::string& folder) {
    ensurePrivateFolder(folder);
    return folder;
}

int openTranscript(const std::string& path) {
    if (path.empty())
        return -1;
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        throwSystemError("open " + path);
    return fd;
}

void writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const auto written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno != EINTR)
            throwSystemError("write");
        bytes.remove_prefix(written < 0 ? 0 : std::size_t(written));
    }
}

// Readers of the state file see the old or the new content, never a half-written one.
void replaceFile(const std::string& path, const std::string& content) {
    const std::string temporary = path + ".tmp";
    std::ofstream(temporary, std::ios::binary | std::ios::trunc) << content;
    if (std::rename(temporary.c_str(), path.c_str()) != 0)
        throwSystemError("rename " + temporary);
}

int roundUpToMs(Clock::duration wait) {
    return int(std::chrono::ceil<std::chrono::milliseconds>(wait).count());
}

} // namespace

Simulator::Simulator(const SimOptions& options)
    : options_(options), signalFd_(blockTerminationSignals()),
      link_(privateFolder(options.folder), pty_.slavePath()),
      transcriptFd_(openTranscript(options.transcriptPath)), model_(options.initial),
      output_(options.baud) {}

Simulator::~Simulator() {
    if (transcriptFd_ >= 0)
        close(transcriptFd_);
    close(signalFd_);
}

int Simulator::run() {
    saveState();
    for (;;) {
        const short masterEvents = outputBlocked_ ? POLLIN | POLLOUT : POLLIN;
        std::array<pollfd, 2> fds{{{signalFd_, POLLIN, 0}, {pty_.masterFd(), masterEvents, 0}}};
        if (poll(fds.data(), fds.size(), pollTimeoutMs()) < 0 && errno != EINTR)
            throwSystemError("poll");
        if (fds[0].revents & POLLIN)
            return 0;
        if ((fds[1].revents & POLLIN) && receive() == Progress::stop) {
            pty_.hangUp();
            return 0;
        }
        writeReady();
    }
}

Simulator::Progress Simulator::receive() {
    std::array<char, 4096> buffer{};
    const auto count = read(pty_.masterFd(), buffer.data(), buffer.size());
    if (count < 0 && (errno == EAGAIN || errno == EINTR))
        return Progress::goOn;
    if (count < 0)
        throwSystemError("read");
    const std::string_view bytes(buffer.data(), std::size_t(count));
    record(bytes);
    for (const auto& line : assembler_.feed(bytes)) {
        if (handleLine(line) == Progress::stop)
            return Progress::stop;
    }
    return Progress::goOn;
}

// The planned hang-up comes on receipt of the last sentence: its reply is not sent.
Simulator::Progress Simulator::handleLine(const std::string& line) {
    const Outcome outcome = model_.handleLine(line);
    if (!outcome.diagnostic.empty())
        std::cerr << outcome.diagnostic << std::endl;
    if (outcome.changed)
        saveState();
    ++sentencesReceived_;
    if (options_.hangupAfter != 0 && sentencesReceived_ == options_.hangupAfter)
        return Progress::stop;
    if (!outcome.reply.empty())
        queueReply(options_.garbage ? garbage() : outcome.reply);
    return Progress::goOn;
}

void Simulator::queueReply(const std::string& reply) {
    auto at = std::max(Clock::now() + options_.replyDelay, lastScheduled_);
    const std::size_t pieceSize = options_.splitReplies ? splitPieceSize : reply.size();
    for (std::size_t start = 0; start < reply.size(); start += pieceSize) {
        output_.push(reply.substr(start, pieceSize), at);
        lastScheduled_ = at;
        at += splitPause;
    }
}

std::string Simulator::garbage() {
    std::uniform_int_distribution<int> length(garbageMinLength, garbageMaxLength);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(std::size_t(length(random_)), '\0');
    for (auto& c : bytes)
        c = char(byte(random_));
    // Every burst holds the bytes a reader most likely mishandles: NUL and one above 127.
    bytes[0] = '\0';
    bytes[1] = char(0x80 | byte(random_));
    return bytes;
}

void Simulator::writeReady() {
    outputBlocked_ = false;
    for (auto bytes = output_.ready(Clock::now()); !bytes.empty();
         bytes = output_.ready(Clock::now())) {
        const auto written = write(pty_.masterFd(), bytes.data(), bytes.size());
        if (written < 0 && errno == EAGAIN) {
            outputBlocked_ = true;
            return;
        }
        if (written < 0 && errno != EINTR)
            throwSystemError("write");
        output_.consume(written < 0 ? 0 : std::size_t(written));
    }
}

int Simulator::pollTimeoutMs() const {
    const auto wait = output_.waitBefore(Clock::now());
    if (outputBlocked_ || !wait)
        return -1;
    return roundUpToMs(*wait);
}

void Simulator::saveState() const {
    if (!options_.statePath.empty())
        replaceFile(options_.statePath, formatState(model_.data()));
}

void Simulator::record(std::string_view bytes) const {
    if (transcriptFd_ >= 0)
        writeAll(transcriptFd_, bytes);
}
