#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Sentence rules as the unit applies them. A payload is the text between "$" and "*".
namespace nmea {

// Two upper-case hexadecimal digits of the XOR of every payload byte.
std::string checksumHex(std::string_view payload);

// "$", the payload, "*", its checksum and CR LF.
std::string sentence(std::string_view payload);

// The payload of a line framed as "$payload*hh" whose checksum matches; nothing otherwise.
// The first "*" is the delimiter, so a stray "*" inside a field breaks the sentence.
std::optional<std::string_view> verifiedPayload(std::string_view line);

std::vector<std::string> splitFields(std::string_view payload);

// Text fields carry reserved characters as "^" and two hexadecimal digits.
std::string escapeText(std::string_view text);
std::string unescapeText(std::string_view text);

} // namespace nmea
