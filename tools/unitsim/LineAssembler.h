#pragma once

#include <string>
#include <string_view>
#include <vector>

// Gathers received bytes into lines: CR ends a line, LF is dropped. Empty lines carry
// nothing for the unit and are not handed on.
class LineAssembler {
public:
    std::vector<std::string> feed(std::string_view bytes);

private:
    std::string pending_;
};
