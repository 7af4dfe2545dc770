#pragma once
// The countdown clock keeps its value only as text, the text a game file stores; each
// tick reads that text as a number, counts one down and writes it back padded to three
// characters.

#include <string>
#include <string_view>

namespace pebblenix {

inline constexpr std::string_view kTimeOut = "TimeOut!!";

// Reads the leading number of a text: blanks, tabs and line feeds are skipped wherever
// they stand; then an optional sign, digits, one decimal point
// and an exponent (E or D), or &H / &O for hexadecimal or octal. Reading stops at the
// first character that does not fit; a text that does not begin with a number is 0.
double readNumber(std::string_view text);

// The text after one tick. Values that cannot be shown in three characters come only
// from hand-made files and follow one rule: a fraction is cut to its whole part, more
// than 999 shows 999, and below -99 the time is out.
std::string clockTick(std::string_view text);

} // namespace pebblenix
