#include "tools/unitsim/Nmea.h"

#include <cstdint>

namespace nmea {
namespace {

constexpr std::string_view upperHexDigits = "0123456789ABCDEF";
constexpr std::string_view reservedCharacters = "\r\n$*,!\\^~\x7F";

std::optional<int> hexValue(char digit) {
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    return std::nullopt;
}

bool isUpperHex(char digit) {
    return upperHexDigits.find(digit) != std::string_view::npos;
}

bool needsEscape(unsigned char c) {
    return c < 0x20 || reservedCharacters.find(static_cast<char>(c)) != std::string_view::npos;
}

std::string hexByte(unsigned char value) {
    return {upperHexDigits[value >> 4], upperHexDigits[value & 0x0F]};
}

// The byte that an escape starting at position i stands for, if one starts there.
std::optional<char> escapedByteAt(std::string_view text, std::size_t i) {
    if (text[i] != '^' || i + 2 >= text.size())
        return std::nullopt;
    const auto high = hexValue(text[i + 1]);
    const auto low = hexValue(text[i + 2]);
    if (!high || !low)
        return std::nullopt;
    return static_cast<char>(*high * 16 + *low);
}

} // namespace

std::string checksumHex(std::string_view payload) {
    std::uint8_t sum = 0;
    for (char c : payload)
        sum ^= static_cast<std::uint8_t>(c);
    return hexByte(sum);
}

std::string sentence(std::string_view payload) {
    std::string text = "$";
    text += payload;
    text += '*';
    text += checksumHex(payload);
    text += "\r\n";
    return text;
}

std::optional<std::string_view> verifiedPayload(std::string_view line) {
    if (line.empty() || line.front() != '$')
        return std::nullopt;
    const auto star = line.find('*');
    if (star == std::string_view::npos || line.size() != star + 3)
        return std::nullopt;
    const auto digits = line.substr(star + 1);
    if (!isUpperHex(digits[0]) || !isUpperHex(digits[1]))
        return std::nullopt;
    const auto payload = line.substr(1, star - 1);
    if (checksumHex(payload) != digits)
        return std::nullopt;
    return payload;
}

std::vector<std::string> splitFields(std::string_view payload) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (auto comma = payload.find(','); comma != std::string_view::npos;
         comma = payload.find(',', start)) {
        fields.emplace_back(payload.substr(start, comma - start));
        start = comma + 1;
    }
    fields.emplace_back(payload.substr(start));
    return fields;
}

std::string escapeText(std::string_view text) {
    std::string escaped;
    for (char c : text) {
        if (needsEscape(static_cast<unsigned char>(c)))
            escaped += '^' + hexByte(static_cast<unsigned char>(c));
        else
            escaped += c;
    }
    return escaped;
}

std::string unescapeText(std::string_view text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (const auto escaped = escapedByteAt(text, i)) {
            plain += *escaped;
            i += 2;
        } else {
            plain += text[i];
        }
    }
    return plain;
}

} // namespace nmea
