#pragma once

#include <chrono>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

// Bytes waiting to go out to the port, each piece not before its time, and at most as fast
// as a serial line of the given baud rate (10 bits a character) would carry them.
class OutputQueue {
public:
    using Clock = std::chrono::steady_clock;

    // A baud rate of 0 sends each piece at once.
    explicit OutputQueue(unsigned baud);

    void push(std::string bytes, Clock::time_point notBefore);
    bool empty() const { return pieces_.empty(); }
    // Time until the next byte may go; nothing when the queue is empty.
    std::optional<Clock::duration> waitBefore(Clock::time_point now) const;
    // The bytes that may be written now.
    std::string_view ready(Clock::time_point now) const;
    // Removes the first count bytes of what ready() gave, which have been written.
    void consume(std::size_t count);

private:
    struct Piece {
        std::string bytes;
        Clock::time_point notBefore;
    };

    Clock::time_point earliestStart() const;

    std::deque<Piece> pieces_;
    Clock::duration byteTime_;
    Clock::time_point lineFreeAt_{};
};
