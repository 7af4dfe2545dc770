#include "game/clock.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace pebblenix {

namespace {

bool skipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// The text with every blank, tab and line feed taken out.
std::string squeezed(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (!skipped(c))
            s.push_back(c);
    return s;
}

int digitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

// &H and &O numbers: up to four hex digits (six octal) are a 16-bit value, up to eight
// (eleven) a 32-bit one, both read as signed numbers of that width.
double radixNumber(std::string_view s, int radix) {
    std::uint64_t value = 0;
    std::size_t digits = 0;
    for (char c : s) {
        const int d = digitValue(c);
        if (d >= radix)
            break;
        if (value >> 40)
            return HUGE_VAL; // far past any clock value; the tick clamps it
        value = value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(d);
        ++digits;
    }
    const bool small = radix == 16 ? digits <= 4 : digits <= 6;
    if (small && value <= 0xFFFF)
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    if (value <= 0xFFFFFFFFu)
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    return static_cast<double>(value);
}

} // namespace

double readNumber(std::string_view text) {
    const std::string s = squeezed(text);
    if (s.size() >= 2 && s[0] == '&') {
        const char r = s[1];
        if (r == 'h' || r == 'H')
            return radixNumber(std::string_view(s).substr(2), 16);
        if (r == 'o' || r == 'O')
            return radixNumber(std::string_view(s).substr(2), 8);
        return 0;
    }
    // The longest leading run of the form [sign] digits [. digits] [E|D [sign] digits].
    std::size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        number.push_back(s[i++]);
    bool anyDigit = false;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        number.push_back(s[i++]);
        anyDigit = true;
    }
    if (i < s.size() && s[i] == '.') {
        number.push_back(s[i++]);
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            number.push_back(s[i++]);
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent.push_back(s[j++]);
        bool expDigit = false;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') {
            exponent.push_back(s[j++]);
            expDigit = true;
        }
        if (expDigit)
            number += exponent;
    }
    // from_chars ignores the locale, which the application may have set; it takes no '+'.
    std::string_view digits = number;
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (number.find("e-") != std::string::npos)
            return 0; // too small to tell from nothing
        return digits.front() == '-' ? -HUGE_VAL : HUGE_VAL;
    }
    (void)end;
    return value;
}

std::string clockTick(std::string_view text) {
    double value = readNumber(text) - 1;
    if (std::isnan(value))
        value = 0;
    value = std::trunc(value);
    if (value > 999)
        value = 999;
    if (value < -99)
        return std::string(kTimeOut);
    std::string shown = std::to_string(static_cast<long long>(value));
    while (shown.size() < 3)
        shown.insert(shown.begin(), '0');
    if (readNumber(shown) == 0)
        return std::string(kTimeOut);
    return shown;
}

} // namespace pebblenix
