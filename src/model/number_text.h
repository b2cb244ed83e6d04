#pragma once

#include <string>
#include <string_view>

namespace vorn {

// The one number-to-text conversion of the program (grids, lists, labels, files, report):
// a blank before zero and positive numbers, a minus sign before negative ones, a period as
// decimal separator whatever the user's locale, no zero before the point below 1, at most
// 15 significant digits without trailing zeros, exponent form ("1E-05", "1E+15") when the
// decimal exponent is -5 or below or 15 or above.
std::string padded(double value);
// Flags: " True" and " False".
std::string padded(bool flag);
// The padded form of value × 10^powerOfTen (metres shown in centimetres); where that product is
// beyond a double, the value's own digits with the exponent moved ("1.7E+310"), never "Inf".
std::string paddedScaled(double value, int powerOfTen);
std::string padded(int value) = delete;  // say which one is meant: a number or a flag

// The file's plain form: no blank for positive numbers and a zero before the point ("0.35").
std::string plain(double value);
// "True" and "False".
std::string plain(bool flag);
std::string plain(int value) = delete;

// Numeric value of text: leading blanks skipped, then the longest prefix forming a decimal
// number (sign, digits, point and digits, exponent) is read; no such prefix reads as 0, and so
// does a number beyond the range of a double.
double numericValue(std::string_view text);

// The same reading, also telling where the number ended: `length` is 0 when the text holds no
// number, otherwise the count of characters (leading blanks included) that formed it.
struct NumericPrefix {
  double value = 0.0;
  std::size_t length = 0;
};
NumericPrefix numericPrefix(std::string_view text);

// Rounds to the given number of decimals, halves to the even neighbour, on the double itself.
double roundHalfEven(double value, int decimals = 0);

// Reformats a number with an edit box picture: "##.##", "##.#", "##", "#.##", "#.#".
// The value is rounded to the picture's decimals (halves to even); a whole number keeps its
// point when the picture has one ("5."); no zero stands before the point; zero becomes "."
// (or the empty text under a picture without a point).
std::string picture(double value, std::string_view pictureText);

}  // namespace vorn
