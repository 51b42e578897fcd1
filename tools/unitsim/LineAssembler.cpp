#include "tools/unitsim/LineAssembler.h"

std::vector<std::string> LineAssembler::feed(std::string_view bytes) {
    std::vector<std::string> lines;
    for (char c : bytes) {
        if (c == '\n')
            continue;
        if (c != '\r') {
            pending_ += c;
            continue;
        }
        if (!pending_.empty())
            lines.push_back(std::move(pending_));
        pending_.clear();
    }
    return lines;
}
