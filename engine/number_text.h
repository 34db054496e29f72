#ifndef ENGINE_NUMBER_TEXT_H
#define ENGINE_NUMBER_TEXT_H

// Number texts: how every number of a design becomes text and back.
//
// Locale rule: the decimal separator is always the point, whatever the
// desktop's regional settings. Stored records, the report and the design
// tables all use the point, and a basin typed on one machine must read the
// same on another; a comma is therefore never part of a number and no
// thousands separator is ever written or accepted.

#include <optional>
#include <string>
#include <string_view>

namespace engine {

// The numeric-text test: the whole text, blanks (spaces, tabs) allowed around
// it, is an optionally signed decimal number ("12", "-0.5", ".5", "0.", "1e3").
// The empty text, "nan", "inf", hexadecimal and any value that overflows a
// 64-bit float are not numeric: they would carry a non-finite value into
// every result.
bool isNumericText(std::string_view text);

// The value of numeric text, or nothing when the text is not numeric.
std::optional<double> parseNumber(std::string_view text);

// The value of numeric text rounded to a 32-bit float, or nothing when the
// text is not numeric or its magnitude overflows a 32-bit float.
std::optional<float> parseSingle(std::string_view text);

// General number text of a 64-bit value: shortest decimal form with at most
// 15 significant digits, no grouping, no trailing zeros ("1809", "0.5",
// "-7.55"). Values of 1E+15 and above in magnitude, or below 1E-04, use the
// exponent form "1.5E+15", "2E-05". A non-finite value gives the empty text,
// which no box accepts as a number.
std::string generalText(double value);

// General number text of a 32-bit value: the value rounded to a 32-bit float,
// then at most 7 significant digits (1.1 stored as a Single shows "1.1").
std::string generalText32(double value);

// Text of a value by a format pattern such as "####0.00" or "#####00.00":
// as many decimals as the pattern writes after the point, at least as many
// integer digits as it writes zeros before the point, no grouping. Halves are
// rounded away from zero on the value's 15-significant-digit decimal form,
// so 1.005 gives "1.01" and 3.375 gives "3.38". A result that rounds to zero
// carries no minus sign. A non-finite value gives the empty text.
std::string formatPattern(double value, std::string_view pattern);

// The patterns the design uses.
namespace pattern {
inline constexpr std::string_view width = "####0.00";          // bottom width
inline constexpr std::string_view pipeLength = "#####00.00";   // L on the main window
inline constexpr std::string_view head = "##0.0";              // h over the riser
inline constexpr std::string_view accuracy = "##0.000";        // sizing accuracy
inline constexpr std::string_view volume = "##0.00";           // sizing actual volume
inline constexpr std::string_view q2 = "######0.00";           // 2-year discharge
inline constexpr std::string_view q25 = "#######0.00";         // 25-year discharge
inline constexpr std::string_view qps = "#########0.00";       // principal spillway flow
}  // namespace pattern

// A value rounded to the decimals of a pattern and read back as a number
// (the held discharges never carry more than two decimals).
double roundByPattern(double value, std::string_view pattern);

// Round half to even to a whole number, as the table lookups convert lengths
// and diameters (30.5 gives 30, 31.5 gives 32).
double roundHalfEven(double value);

}  // namespace engine

#endif  // ENGINE_NUMBER_TEXT_H
