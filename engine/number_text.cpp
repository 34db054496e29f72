#include "engine/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace engine {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the decimal grammar [+-] (digits [. [digits]] | . digits) [e [+-] digits]
// and gives the decimal exponent of the leading significant digit (for telling
// an underflow from an overflow), or nothing when the text does not match.
struct Shape {
    bool ok = false;
    bool allZero = true;
    long leadingExponent = 0;
};

Shape shapeOf(std::string_view s)
{
    Shape shape;
    std::size_t pos = 0;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-'))
        ++pos;
    long intDigits = 0;
    long firstNonZero = -1;  // position among all mantissa digits
    long digitCount = 0;
    while (pos < s.size() && isDigit(s[pos])) {
        if (s[pos] != '0' && firstNonZero < 0)
            firstNonZero = digitCount;
        ++intDigits;
        ++digitCount;
        ++pos;
    }
    long fracDigits = 0;
    if (pos < s.size() && s[pos] == '.') {
        ++pos;
        while (pos < s.size() && isDigit(s[pos])) {
            if (s[pos] != '0' && firstNonZero < 0)
                firstNonZero = digitCount;
            ++fracDigits;
            ++digitCount;
            ++pos;
        }
    }
    if (intDigits + fracDigits == 0)
        return shape;
    long exponent = 0;
    if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
        ++pos;
        bool negative = false;
        if (pos < s.size() && (s[pos] == '+' || s[pos] == '-'))
            negative = s[pos++] == '-';
        if (pos >= s.size() || !isDigit(s[pos]))
            return shape;
        while (pos < s.size() && isDigit(s[pos])) {
            if (exponent < 100000)
                exponent = exponent * 10 + (s[pos] - '0');
            ++pos;
        }
        if (negative)
            exponent = -exponent;
    }
    if (pos != s.size())
        return shape;
    shape.ok = true;
    shape.allZero = firstNonZero < 0;
    if (!shape.allZero)
        shape.leadingExponent = intDigits - 1 - firstNonZero + exponent;
    return shape;
}

// The 15 significant digits of a finite value and the decimal exponent of the
// first one: value = d.dddddddddddddd x 10^exponent.
struct Digits {
    std::string digits;
    int exponent = 0;
};

Digits significantDigits(double magnitude)
{
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    std::string_view text(buffer, std::size_t(result.ptr - buffer));
    Digits d;
    const auto ePos = text.find('e');
    for (char c : text.substr(0, ePos))
        if (isDigit(c))
            d.digits += c;
    std::from_chars(text.data() + ePos + 1 + (text[ePos + 1] == '+' ? 1 : 0), text.data() + text.size(), d.exponent);
    return d;
}

// Adds one to a string of decimal digits.
void increment(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

std::string vbExponentForm(std::string text)
{
    // "1.5e+15" -> "1.5E+15", "2e-05" -> "2E-05"
    for (char& c : text)
        if (c == 'e')
            c = 'E';
    return text;
}

std::string generalTextWithPrecision(double value, int precision)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0)
        return "0";
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision);
    return vbExponentForm(std::string(buffer, result.ptr));
}

}  // namespace

std::optional<double> parseNumber(std::string_view text)
{
    const std::string_view s = trimmed(text);
    const Shape shape = shapeOf(s);
    if (!shape.ok)
        return std::nullopt;
    const bool negative = s.front() == '-';
    std::string_view unsignedText = (s.front() == '+' || s.front() == '-') ? s.substr(1) : s;
    double value = 0;
    const auto result = std::from_chars(unsignedText.data(), unsignedText.data() + unsignedText.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too small to represent is zero; too large is not a number here.
        if (shape.allZero || shape.leadingExponent < 0)
            value = 0;
        else
            return std::nullopt;
    } else if (result.ec != std::errc() || result.ptr != unsignedText.data() + unsignedText.size()) {
        return std::nullopt;
    }
    if (!std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

bool isNumericText(std::string_view text) { return parseNumber(text).has_value(); }

std::optional<float> parseSingle(std::string_view text)
{
    const auto value = parseNumber(text);
    if (!value)
        return std::nullopt;
    const float single = static_cast<float>(*value);
    if (!std::isfinite(single))
        return std::nullopt;
    return single;
}

std::string generalText(double value) { return generalTextWithPrecision(value, 15); }

std::string generalText32(double value)
{
    return generalTextWithPrecision(static_cast<double>(static_cast<float>(value)), 7);
}

std::string formatPattern(double value, std::string_view pattern)
{
    if (!std::isfinite(value))
        return {};
    const auto point = pattern.find('.');
    const int decimals = point == std::string_view::npos ? 0 : int(pattern.size() - point - 1);
    int minimumIntegerDigits = 0;
    for (char c : pattern.substr(0, point))
        if (c == '0')
            ++minimumIntegerDigits;

    // The value in units of 10^-decimals, as a digit string, rounded half away
    // from zero on its 15-significant-digit decimal form.
    std::string units = "0";
    const bool negative = std::signbit(value);
    if (value != 0) {
        const Digits d = significantDigits(std::fabs(value));
        const int keep = d.exponent + decimals + 1;  // digits at or above 10^-decimals
        if (keep >= int(d.digits.size())) {
            units = d.digits + std::string(std::size_t(keep) - d.digits.size(), '0');
        } else if (keep >= 0) {
            units = keep == 0 ? "0" : d.digits.substr(0, std::size_t(keep));
            if (d.digits[std::size_t(keep)] >= '5')
                increment(units);
        }
        const auto firstNonZero = units.find_first_not_of('0');
        units = firstNonZero == std::string::npos ? "0" : units.substr(firstNonZero);
    }

    const std::size_t width = std::size_t(decimals + std::max(minimumIntegerDigits, 0));
    if (units.size() < width)
        units.insert(0, width - units.size(), '0');
    std::string text = units;
    if (decimals > 0)
        text.insert(text.size() - std::size_t(decimals), ".");
    if (negative && units.find_first_not_of('0') != std::string::npos)
        text.insert(0, "-");
    return text;
}

double roundByPattern(double value, std::string_view pattern)
{
    const auto rounded = parseNumber(formatPattern(value, pattern));
    return rounded ? *rounded : value;
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction > 0.5)
        return lower + 1;
    if (fraction < 0.5)
        return lower;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

}  // namespace engine
