#include "model/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace vorn {
namespace {

struct PaddedCase {
  double value;
  const char* text;
};

TEST(PaddedNumber, FollowsTheProgramsOneNumberForm)
{
  const std::vector<PaddedCase> cases = {
      {0.35, " .35"},
      {-0.5, "-.5"},
      {0.0, " 0"},
      {-0.0, " 0"},
      {500.0, " 500"},
      {6.0, " 6"},
      {-1.0, "-1"},
      {12.35, " 12.35"},
      {0.1 + 0.2, " .3"},  // 15 significant digits hide the binary tail
      {1.0 / 3.0, " .333333333333333"},
      {2.0 / 3.0, " .666666666666667"},
      {0.0001, " .0001"},
      {0.00001, " 1E-05"},
      {-0.000025, "-2.5E-05"},
      {123456789012345.0, " 123456789012345"},
      {1e15, " 1E+15"},
      {1.5e20, " 1.5E+20"},
      {999999999999999.9, " 1E+15"},  // rounding to 15 digits carries into the exponent
      {1e-100, " 1E-100"},
      {0.0035, " .0035"},
      {104.99999999999999, " 105"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(padded(c.value), c.text) << "value " << c.value;
  }
}

TEST(PaddedNumber, ScaledByAPowerOfTenEvenBeyondADouble)
{
  // Within a double: the padded form of the product, as metres shown in centimetres always were.
  EXPECT_EQ(paddedScaled(0.0123, 2), padded(0.0123 * 100));
  EXPECT_EQ(paddedScaled(-0.005, 2), "-.5");
  EXPECT_EQ(paddedScaled(0.0, 2), " 0");
  EXPECT_EQ(paddedScaled(1.5e300, 2), " 1.5E+302");
  // Beyond it: the value's own 15 digits with the exponent moved, never an infinity.
  EXPECT_EQ(paddedScaled(1.7e308, 2), " 1.7E+310");
  EXPECT_EQ(paddedScaled(-1.7e308, 2), "-1.7E+310");
  EXPECT_EQ(paddedScaled(std::numeric_limits<double>::max(), 2), " 1.79769313486231E+310");
  EXPECT_EQ(paddedScaled(9.99e307, 3), " 9.99E+310");
}

// The fifteen significant digits are those of the C library's own rounding, for doubles of every
// kind: random bit patterns (subnormals and huge values among them), whole numbers near 10^15,
// numbers of few decimals and their neighbours, thirds. Two texts of fifteen digits read back as
// the same double only when their digits are the same.
TEST(PaddedNumber, KeepsFifteenCorrectlyRoundedDigits)
{
  std::mt19937_64 random(20261208);
  std::uniform_real_distribution<double> unit(0, 1);
  auto check = [](double v) {
    char reference[64];
    std::snprintf(reference, sizeof reference, "%.14e", v);
    const std::string text = padded(v);
    ASSERT_EQ(std::strtod(text.c_str(), nullptr), std::strtod(reference, nullptr))
        << std::hexfloat << v << std::defaultfloat << " written " << text;
  };
  for (int k = 0; k < 100000; ++k) {
    std::uint64_t bits = random();
    double any = 0;
    std::memcpy(&any, &bits, sizeof any);
    if (std::isfinite(any) && std::fabs(any) < 1.79769313486231e308) {
      check(any);
    }
    check(std::round(unit(random) * 1e17));
    check(std::round(unit(random) * 1e7) / 100);
    check(std::round(unit(random) * 1e9) / 1e8);  // drifts in metres: few decimals
    check(std::nextafter(std::round(unit(random) * 1e6) / 1e4, 1.0));
    check(unit(random) * 1000 / 3);
    check(unit(random) * 1e-300);
  }
}

TEST(PaddedNumber, FlagsAndPlainForms)
{
  EXPECT_EQ(padded(true), " True");
  EXPECT_EQ(padded(false), " False");
  EXPECT_EQ(plain(true), "True");
  EXPECT_EQ(plain(false), "False");
  EXPECT_EQ(plain(0.35), "0.35");
  EXPECT_EQ(plain(6.0), "6");
  EXPECT_EQ(plain(10.0), "10");
  EXPECT_EQ(plain(-1.0), "-1");
  EXPECT_EQ(plain(-0.5), "-0.5");
  EXPECT_EQ(plain(0.0), "0");
  EXPECT_EQ(plain(0.00001), "1E-05");
}

struct ValueCase {
  const char* text;
  double value;
};

TEST(NumericValue, TakesTheLongestDecimalPrefix)
{
  const std::vector<ValueCase> cases = {
      {"  12.5abc", 12.5}, {"abc", 0.0},   {"", 0.0},          {".", 0.0},         {" .35", 0.35},
      {"-.5", -0.5},       {"+7", 7.0},    {"1E-05", 0.00001}, {" 1E+15", 1e15},   {"2e3x", 2000.0},
      {"2e", 2.0},         {"2e+", 2.0},   {"5.", 5.0},        {"-", 0.0},         {" - 3", 0.0},
      {"1.2.3", 1.2},      {"12,5", 12.0}, {" True", 0.0},     {"\t4", 0.0},       {"007", 7.0},
      {"1e999", 0.0},      {"3 4", 3.0},   {"-0.25e1", -2.5},  {"1.5E-3", 0.0015},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(numericValue(c.text), c.value) << "text \"" << c.text << "\"";
  }
}

TEST(NumericValue, ReadsBackEveryPaddedNumber)
{
  for (double v : {0.35, -0.5, 1e-5, 123456789012345.0, 1e15, 2.0 / 3.0, -1234.5678}) {
    EXPECT_NEAR(numericValue(padded(v)), v, std::abs(v) * 1e-14) << padded(v);
  }
}

// Decimals of every length, with or without a sign, a point or an exponent, read as the C library
// reads them: to the nearest double.
TEST(NumericValue, ReadsDecimalsToTheNearestDouble)
{
  std::mt19937_64 random(1256);
  for (int k = 0; k < 200000; ++k) {
    std::string text = random() % 2 ? "-" : "";
    const auto length = 1 + random() % 24;
    for (std::size_t d = 0; d < length; ++d) {
      text += static_cast<char>('0' + random() % 10);
    }
    if (random() % 3 != 0) {
      text.insert(text.size() - random() % length, ".");
    }
    if (random() % 4 == 0) {
      text += "E" + std::to_string(static_cast<int>(random() % 60) - 30);
    }
    ASSERT_EQ(numericValue(text), std::strtod(text.c_str(), nullptr)) << text;
  }
}

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
  EXPECT_DOUBLE_EQ(roundHalfEven(0.125, 2), 0.12);
  EXPECT_DOUBLE_EQ(roundHalfEven(0.135, 2), 0.14);  // 0.135 is stored a little above the half
  EXPECT_DOUBLE_EQ(roundHalfEven(2.5), 2.0);
  EXPECT_DOUBLE_EQ(roundHalfEven(3.5), 4.0);
  EXPECT_DOUBLE_EQ(roundHalfEven(-2.5), -2.0);
  EXPECT_DOUBLE_EQ(roundHalfEven(0.0625, 3), 0.062);
  EXPECT_DOUBLE_EQ(roundHalfEven(1234.5678, 2), 1234.57);
  EXPECT_DOUBLE_EQ(roundHalfEven(0.4999, 0), 0.0);
}

struct PictureCase {
  double value;
  const char* picture;
  const char* text;
};

TEST(Picture, ReformatsLikeTheEditBoxes)
{
  const std::vector<PictureCase> cases = {
      {5.0, "##.#", "5."},      {12.346, "##.##", "12.35"},
      {0.0, "##.#", "."},       {0.0, "##", ""},
      {0.0, "##.##", "."},      {0.35, "#.##", ".35"},
      {0.5, "#.#", ".5"},       {2.5, "##", "2"},
      {3.5, "##", "4"},         {12345.6, "##.#", "12345.6"},
      {100.0, "##.##", "100."}, {0.004, "##.##", "."},
      {7.25, "##.#", "7.2"},    {-1.5, "##.#", "-1.5"},
      {-0.25, "#.#", "-.2"},    {19.999, "##.##", "20."},
      {42.0, "##", "42"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(picture(c.value, c.picture), c.text) << c.value << " under " << c.picture;
  }
}

// The user's locale must never change a number's text: German writes a decimal comma in C's own
// conversions; Persian is the users' own locale.
class UnderUserLocale : public ::testing::TestWithParam<const char*> {
protected:
  void SetUp() override
  {
    setenv("LOCPATH", VORN_TEST_LOCALE_DIR, 1);
    ASSERT_NE(std::setlocale(LC_ALL, GetParam()), nullptr) << "cannot load " << GetParam();
    if (std::string(GetParam()).starts_with("de_DE")) {
      char buf[32];
      std::snprintf(buf, sizeof buf, "%.1f", 1.5);
      ASSERT_EQ(std::string(buf), "1,5") << "the German locale should have a decimal comma";
    }
  }
  void TearDown() override
  {
    std::setlocale(LC_ALL, "C");
    unsetenv("LOCPATH");
  }
};

TEST_P(UnderUserLocale, NumberTextsKeepThePeriod)
{
  EXPECT_EQ(padded(0.35), " .35");
  EXPECT_EQ(padded(-1234.5), "-1234.5");
  EXPECT_EQ(padded(0.00001), " 1E-05");
  EXPECT_EQ(plain(0.35), "0.35");
  EXPECT_EQ(picture(12.346, "##.##"), "12.35");
  EXPECT_DOUBLE_EQ(numericValue("12.5"), 12.5);
  EXPECT_DOUBLE_EQ(numericValue(" 1.5E-3"), 0.0015);
}

INSTANTIATE_TEST_SUITE_P(Locales, UnderUserLocale, ::testing::Values("de_DE.UTF-8", "fa_IR.UTF-8"));

}  // namespace
}  // namespace vorn
