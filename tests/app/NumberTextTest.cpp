// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

TEST(FormatNumber, KeepsFourCharactersBeforeTheDecimals) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {450, "450.0"},     {273, "273.0"},   {100000, "100000"}, {1.7, "1.700"},   {0, "0.000"},
      {12.5, "12.50"},    {-5.25, "-5.25"}, {-450, "-450"},     {999.96, "1000"}, {9999.6, "10000"},
      {1.23456, "1.235"}, {-0.0, "-0.00"},  {9.9996, "10.00"},
  };
  for (const auto& c : cases) EXPECT_EQ(formatNumber(c.value), c.text) << c.value;
}

TEST(FormatNumber, NonFiniteAndHugeValuesComeOutAsPrintfWritesThem) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(formatNumber(inf), "inf");
  EXPECT_EQ(formatNumber(-inf), "-inf");
  EXPECT_EQ(formatNumber(nan), "nan");
  EXPECT_EQ(formatNumber(-nan), "-nan");
  const std::string huge = formatNumber(1e308);
  EXPECT_EQ(huge.size(), 309u);
  EXPECT_EQ(huge.substr(0, 6), "100000");
}

TEST(FormatNumber, RoundsHalfwayCasesToEvenLikePrintf) {
  EXPECT_EQ(formatNumber(0.0625), "0.062");  // exactly halfway in binary
  EXPECT_EQ(formatNumber(2.5e3), "2500");
  EXPECT_EQ(formatNumber(0.5), "0.500");
  EXPECT_EQ(formatNumber(1234.5), "1234");
  EXPECT_EQ(formatNumber(1235.5), "1236");
}

TEST(ParseNumber, ReadsTheLongestDecimalPrefix) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"", 0},
      {"abc", 0},
      {"12abc", 12},
      {" 450", 450},
      {"\t\n-450", -450},
      {"4.5e2", 450},
      {"1e", 1},
      {"1e+", 1},
      {".", 0},
      {".5", 0.5},
      {"5.", 5},
      {"-", 0},
      {"+7", 7},
      {"inf", 0},
      {"nan", 0},
      {"0x10", 0},
      {"1.2.3", 1.2},
      {"1e3x", 1000},
      {"- 5", 0},
      {"1,5", 1},
      {"\xef\xbc\x91\xef\xbc\x92", 0},  // full-width digits are not digits
      {"1.235", 1.235},
  };
  for (const auto& c : cases) EXPECT_EQ(parseNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(ParseNumber, OverflowAndUnderflowFollowTheCLibrary) {
  EXPECT_EQ(parseNumber("1e309"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(parseNumber("-1e309"), -std::numeric_limits<double>::infinity());
  EXPECT_GT(parseNumber("1e-320"), 0.0);  // a subnormal, not zero
  EXPECT_TRUE(std::signbit(parseNumber("-0")));
  EXPECT_EQ(parseNumber(std::string(100000, '9')), std::numeric_limits<double>::infinity());
  EXPECT_EQ(parseNumber("0." + std::string(100000, '0') + "1"), 0.0);
}

TEST(NumberText, AValueWrittenAndReadBackIsTheRoundedOne) {
  for (const double v :
       {1.23456, 1.2336312552845, 336.87698051365874, 0.8106150000, 12.345, -0.5555, 100000.4}) {
    const std::string shown = formatNumber(v);
    EXPECT_EQ(formatNumber(parseNumber(shown)), shown) << v;
  }
  EXPECT_EQ(parseNumber(formatNumber(1.23456)), 1.235);
  EXPECT_EQ(parseNumber(formatNumber(1.2336312552845)), 1.234);
}
