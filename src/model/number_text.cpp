#include "model/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace vorn {

namespace {

// Decimal digits (without trailing zeros) and the exponent of the first digit of |value|,
// rounded to 15 significant digits.
struct Decimal {
  std::string digits;
  int exponent = 0;
};

Decimal decompose(double magnitude)
{
  // The largest doubles would round up to 1.79769313486232E+308, beyond the range of a double,
  // which reads back as 0: they keep their fifteen digits cut instead.
  if (magnitude > 1.79769313486231e308) {
    return {"179769313486231", 308};
  }
  std::array<char, 64> buf{};
  auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude,
                                 std::chars_format::scientific, 14);
  (void)ec;
  const std::string_view text(buf.data(), static_cast<std::size_t>(end - buf.data()));
  const auto e = text.find('e');
  Decimal d;
  for (char c : text.substr(0, e)) {
    if (c != '.') {
      d.digits.push_back(c);
    }
  }
  while (d.digits.size() > 1 && d.digits.back() == '0') {
    d.digits.pop_back();
  }
  std::string_view exp = text.substr(e + 1);
  if (!exp.empty() && exp.front() == '+') {
    exp.remove_prefix(1);
  }
  std::from_chars(exp.data(), exp.data() + exp.size(), d.exponent);
  return d;
}

// "1.25E+17", "1E-05": the digits with the point after the first, and the exponent of at least
// two digits.
std::string exponentForm(const Decimal& d)
{
  std::string s = d.digits.substr(0, 1);
  if (d.digits.size() > 1) {
    s += '.';
    s += d.digits.substr(1);
  }
  const int e = std::abs(d.exponent);
  s += d.exponent < 0 ? "E-" : "E+";
  if (e < 10) {
    s += '0';
  }
  s += std::to_string(e);
  return s;
}

std::string unsignedText(double magnitude, bool zeroBeforePoint)
{
  if (magnitude == 0.0) {
    return "0";
  }
  if (!std::isfinite(magnitude)) {
    return std::isnan(magnitude) ? "NaN" : "Inf";
  }
  const Decimal d = decompose(magnitude);
  const int n = static_cast<int>(d.digits.size());
  if (d.exponent <= -5 || d.exponent >= 15) {
    return exponentForm(d);
  }
  if (d.exponent < 0) {
    std::string s = zeroBeforePoint ? "0." : ".";
    s.append(static_cast<std::size_t>(-d.exponent - 1), '0');
    s += d.digits;
    return s;
  }
  if (d.exponent >= n - 1) {
    return d.digits + std::string(static_cast<std::size_t>(d.exponent - (n - 1)), '0');
  }
  const auto point = static_cast<std::size_t>(d.exponent + 1);
  return d.digits.substr(0, point) + "." + d.digits.substr(point);
}

}  // namespace

std::string padded(double value)
{
  const bool negative = std::signbit(value) && value != 0.0;
  std::string s(1, negative ? '-' : ' ');
  s += unsignedText(std::fabs(value), false);
  return s;
}

std::string paddedScaled(double value, int powerOfTen)
{
  const double scaled = value * std::pow(10.0, powerOfTen);
  if (std::isfinite(scaled) || !std::isfinite(value)) {
    return padded(scaled);
  }
  Decimal d = decompose(std::fabs(value));
  d.exponent += powerOfTen;
  return (std::signbit(value) ? "-" : " ") + exponentForm(d);
}

std::string padded(bool flag)
{
  return flag ? " True" : " False";
}

std::string plain(double value)
{
  const bool negative = std::signbit(value) && value != 0.0;
  std::string s = negative ? "-" : "";
  s += unsignedText(std::fabs(value), true);
  return s;
}

std::string plain(bool flag)
{
  return flag ? "True" : "False";
}

double numericValue(std::string_view text)
{
  return numericPrefix(text).value;
}

NumericPrefix numericPrefix(std::string_view text)
{
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') {
    ++i;
  }
  auto isDigit = [&](std::size_t k) { return k < text.size() && text[k] >= '0' && text[k] <= '9'; };
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::size_t mantissaStart = i;
  std::size_t digits = 0;
  while (isDigit(i)) {
    ++i;
    ++digits;
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (isDigit(i)) {
      ++i;
      ++digits;
    }
  }
  if (digits == 0) {
    return {};
  }
  std::size_t end = i;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t k = i + 1;
    if (k < text.size() && (text[k] == '+' || text[k] == '-')) {
      ++k;
    }
    if (isDigit(k)) {
      while (isDigit(k)) {
        ++k;
      }
      end = k;
    }
  }
  // from_chars takes no '+' anywhere the mantissa starts, so the sign is applied here.
  std::string number(text.substr(mantissaStart, end - mantissaStart));
  if (const auto e = number.find_first_of("eE"); e != std::string::npos && number[e + 1] == '+') {
    number.erase(e + 1, 1);
  }
  double value = 0.0;
  const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  (void)ptr;
  if (ec != std::errc()) {
    return {0.0, end};
  }
  return {negative ? -value : value, end};
}

double roundHalfEven(double value, int decimals)
{
  // From 2^52 on every double is a whole number: there is nothing to round, and scaling such a
  // value could overflow to infinity.
  if (decimals >= 0 && !(std::fabs(value) < 0x1p52)) {
    return value;
  }
  const double scale = std::pow(10.0, decimals);
  const double scaled = value * scale;
  if (!std::isfinite(scaled)) {
    return value;
  }
  return std::nearbyint(scaled) / scale;
}

std::string picture(double value, std::string_view pictureText)
{
  const auto point = pictureText.find('.');
  const int decimals =
      point == std::string_view::npos ? 0 : static_cast<int>(pictureText.size() - point - 1);
  const double rounded = roundHalfEven(value, decimals);
  std::array<char, 512> buf{};
  const auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(rounded),
                                       std::chars_format::fixed, decimals);
  if (ec != std::errc()) {
    return padded(rounded);
  }
  std::string text(buf.data(), end);
  std::string whole = text.substr(0, text.find('.'));
  std::string fraction = decimals > 0 ? text.substr(text.find('.') + 1) : std::string();
  while (!fraction.empty() && fraction.back() == '0') {
    fraction.pop_back();
  }
  if (whole == "0") {
    whole.clear();
  }
  std::string result = whole;
  if (point != std::string_view::npos) {
    result += '.';
    result += fraction;
  }
  if (rounded < 0.0) {
    result.insert(result.begin(), '-');
  }
  return result;
}

}  // namespace vorn
