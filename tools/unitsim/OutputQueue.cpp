#include "tools/unitsim/OutputQueue.h"

#include <algorithm>

namespace {

constexpr unsigned bitsPerCharacter = 10;

OutputQueue::Clock::duration characterTime(unsigned baud) {
    if (baud == 0)
        return OutputQueue::Clock::duration::zero();
    return std::chrono::duration_cast<OutputQueue::Clock::duration>(
        std::chrono::duration<double>(double(bitsPerCharacter) / baud));
}

} // namespace

OutputQueue::OutputQueue(unsigned baud) : byteTime_(characterTime(baud)) {}

void OutputQueue::push(std::string bytes, Clock::time_point notBefore) {
    if (!bytes.empty())
        pieces_.push_back({std::move(bytes), notBefore});
}

std::optional<OutputQueue::Clock::duration> OutputQueue::waitBefore(Clock::time_point now) const {
    if (pieces_.empty())
        return std::nullopt;
    return std::max(earliestStart() - now, Clock::duration::zero());
}

std::string_view OutputQueue::ready(Clock::time_point now) const {
    if (pieces_.empty() || now < earliestStart())
        return {};
    const std::string_view bytes = pieces_.front().bytes;
    if (byteTime_ == Clock::duration::zero())
        return bytes;
    const auto startedCharacters = std::size_t((now - earliestStart()) / byteTime_) + 1;
    return bytes.substr(0, startedCharacters);
}

void OutputQueue::consume(std::size_t count) {
    if (count == 0)
        return;
    lineFreeAt_ = earliestStart() + byteTime_ * count;
    auto& front = pieces_.front().bytes;
    front.erase(0, count);
    if (front.empty())
        pieces_.pop_front();
}

OutputQueue::Clock::time_point OutputQueue::earliestStart() const {
    return std::max(pieces_.front().notBefore, lineFreeAt_);
}
