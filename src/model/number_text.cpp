#include "model/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace vorn {

namespace {

// The powers of ten that are exact doubles.
constexpr std::array<double, 23> kPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Decimal digits (without trailing zeros) and the exponent of the first digit of |value|,
// rounded to 15 significant digits.
struct Decimal {
  std::array<char, 24> storage{};
  std::size_t count = 0;
  int exponent = 0;
  std::string_view digits() const { return {storage.data(), count}; }
};

// A number's characters, built in place: no number text is longer than 24 characters.
class Chars {
public:
  void put(char c) { chars_[size_++] = c; }
  void put(std::string_view s)
  {
    for (char c : s) {
      put(c);
    }
  }
  void repeat(char c, std::size_t count)
  {
    for (std::size_t k = 0; k < count; ++k) {
      put(c);
    }
  }
  std::string text() const { return std::string(chars_.data(), size_); }

private:
  std::array<char, 48> chars_{};
  std::size_t size_ = 0;
};

Decimal decompose(double magnitude)
{
  Decimal d;
  // The largest doubles would round up to 1.79769313486232E+308, beyond the range of a double,
  // which reads back as 0: they keep their fifteen digits cut instead.
  if (magnitude > 1.79769313486231e308) {
    const std::string_view cut = "179769313486231";
    cut.copy(d.storage.data(), cut.size());
    d.count = cut.size();
    d.exponent = 308;
    return d;
  }
  // A number of few decimals (0.0125, 12.35) is m / 10^k for a whole m below 10^15: when the
  // double is the nearest to that quotient, m's digits are the fifteen-digit rounding, for the
  // reason given below, and finding them takes a few multiplications instead of a conversion.
  if (magnitude >= std::numeric_limits<double>::min() && magnitude < 1e15) {
    for (std::size_t k = 1; k <= 8; ++k) {
      const double scaled = magnitude * kPowersOfTen[k];
      if (scaled >= 1e15) {
        break;
      }
      if (scaled == std::floor(scaled) && scaled / kPowersOfTen[k] == magnitude) {
        auto whole = static_cast<std::uint64_t>(scaled);
        int exponent = -static_cast<int>(k);
        while (whole % 10 == 0) {
          whole /= 10;
          ++exponent;
        }
        const auto written =
            std::to_chars(d.storage.data(), d.storage.data() + d.storage.size(), whole);
        d.count = static_cast<std::size_t>(written.ptr - d.storage.data());
        d.exponent = exponent + static_cast<int>(d.count) - 1;
        return d;
      }
    }
  }
  // The shortest digits that read back as the same double are, when there are at most fifteen of
  // them, the fifteen-digit rounding as well: the double lies within half a unit of its last
  // binary place of them, far less than half a unit of the fifteenth decimal place. Only longer
  // ones, and the subnormal doubles below 2^-1022 with their coarser places, need the slower
  // rounding to fifteen digits.
  std::array<char, 64> buf{};
  std::to_chars_result written =
      std::to_chars(buf.data(), buf.data() + buf.size(), magnitude, std::chars_format::scientific);
  std::string_view text(buf.data(), static_cast<std::size_t>(written.ptr - buf.data()));
  auto e = text.find('e');
  const std::size_t mantissaDigits = e - (e > 1 ? 1 : 0);  // "d.ddd" or "d"
  if (mantissaDigits > 15 || magnitude < std::numeric_limits<double>::min()) {
    written = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude,
                            std::chars_format::scientific, 14);
    text = std::string_view(buf.data(), static_cast<std::size_t>(written.ptr - buf.data()));
    e = text.find('e');
  }
  for (char c : text.substr(0, e)) {
    if (c != '.') {
      d.storage[d.count++] = c;
    }
  }
  while (d.count > 1 && d.storage[d.count - 1] == '0') {
    --d.count;
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
void putExponentForm(Chars& out, const Decimal& d)
{
  const std::string_view digits = d.digits();
  out.put(digits.substr(0, 1));
  if (digits.size() > 1) {
    out.put('.');
    out.put(digits.substr(1));
  }
  const int e = std::abs(d.exponent);
  out.put(d.exponent < 0 ? "E-" : "E+");
  if (e < 10) {
    out.put('0');
  }
  std::array<char, 8> buf{};
  const auto written = std::to_chars(buf.data(), buf.data() + buf.size(), e);
  out.put(std::string_view(buf.data(), static_cast<std::size_t>(written.ptr - buf.data())));
}

void putUnsigned(Chars& out, double magnitude, bool zeroBeforePoint)
{
  if (magnitude == 0.0) {
    out.put('0');
    return;
  }
  if (!std::isfinite(magnitude)) {
    out.put(std::isnan(magnitude) ? "NaN" : "Inf");
    return;
  }
  // A whole number below 10^15 is its own digits, the common case of forces and story numbers.
  if (magnitude < 1e15 && magnitude == std::floor(magnitude)) {
    std::array<char, 24> buf{};
    const auto written =
        std::to_chars(buf.data(), buf.data() + buf.size(), static_cast<std::uint64_t>(magnitude));
    out.put(std::string_view(buf.data(), static_cast<std::size_t>(written.ptr - buf.data())));
    return;
  }
  const Decimal d = decompose(magnitude);
  const std::string_view digits = d.digits();
  const int n = static_cast<int>(digits.size());
  if (d.exponent <= -5 || d.exponent >= 15) {
    putExponentForm(out, d);
  } else if (d.exponent < 0) {
    out.put(zeroBeforePoint ? "0." : ".");
    out.repeat('0', static_cast<std::size_t>(-d.exponent - 1));
    out.put(digits);
  } else if (d.exponent >= n - 1) {
    out.put(digits);
    out.repeat('0', static_cast<std::size_t>(d.exponent - (n - 1)));
  } else {
    const auto point = static_cast<std::size_t>(d.exponent + 1);
    out.put(digits.substr(0, point));
    out.put('.');
    out.put(digits.substr(point));
  }
}

}  // namespace

std::string padded(double value)
{
  const bool negative = std::signbit(value) && value != 0.0;
  Chars out;
  out.put(negative ? '-' : ' ');
  putUnsigned(out, std::fabs(value), false);
  return out.text();
}

std::string paddedScaled(double value, int powerOfTen)
{
  const double scaled = value * std::pow(10.0, powerOfTen);
  if (std::isfinite(scaled) || !std::isfinite(value)) {
    return padded(scaled);
  }
  Decimal d = decompose(std::fabs(value));
  d.exponent += powerOfTen;
  Chars out;
  out.put(std::signbit(value) ? '-' : ' ');
  putExponentForm(out, d);
  return out.text();
}

std::string padded(bool flag)
{
  return flag ? " True" : " False";
}

std::string plain(double value)
{
  const bool negative = std::signbit(value) && value != 0.0;
  Chars out;
  if (negative) {
    out.put('-');
  }
  putUnsigned(out, std::fabs(value), true);
  return out.text();
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
  // The digits as a whole number, while there are at most fifteen from the first that is not 0.
  std::uint64_t mantissa = 0;
  int significant = 0;
  int decimals = 0;
  auto take = [&](char c) {
    if (mantissa != 0 || c != '0') {
      ++significant;
    }
    if (significant <= 15) {
      mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
    }
  };
  while (isDigit(i)) {
    take(text[i]);
    ++i;
    ++digits;
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (isDigit(i)) {
      take(text[i]);
      ++i;
      ++digits;
      ++decimals;
    }
  }
  if (digits == 0) {
    return {};
  }
  const bool exponent =
      i < text.size() && (text[i] == 'e' || text[i] == 'E') && i + 1 < text.size() &&
      (isDigit(i + 1) || ((text[i + 1] == '+' || text[i + 1] == '-') && isDigit(i + 2)));
  // Without an exponent, up to fifteen significant digits and 22 decimals, the whole number and
  // the power of ten are exact doubles, and their quotient is the correctly rounded value that
  // from_chars gives too.
  if (!exponent && significant <= 15 && decimals < static_cast<int>(kPowersOfTen.size())) {
    const double whole = static_cast<double>(mantissa);
    const double value =
        decimals == 0 ? whole : whole / kPowersOfTen[static_cast<std::size_t>(decimals)];
    return {negative ? -value : value, i};
  }
  std::size_t end = i;
  bool explicitPlus = false;  // an exponent written "E+05"
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
      explicitPlus = text[i + 1] == '+';
    }
  }
  // from_chars takes no '+' anywhere: the sign is applied here, and an exponent's '+' is left
  // out of a copy.
  std::string_view number = text.substr(mantissaStart, end - mantissaStart);
  std::string withoutPlus;
  if (explicitPlus) {
    withoutPlus = number;
    withoutPlus.erase(i + 1 - mantissaStart, 1);
    number = withoutPlus;
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
  // The powers of ten up to 10^22 are exact doubles, the same that pow gives for them.
  static constexpr std::array<double, 23> kPowers = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                     1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                     1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  const double scale = decimals >= 0 && decimals < static_cast<int>(kPowers.size())
                           ? kPowers[static_cast<std::size_t>(decimals)]
                           : std::pow(10.0, decimals);
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
