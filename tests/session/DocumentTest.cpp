// SPDX-License-Identifier: GPL-3.0-or-later
// The two written forms of a document: JSON that reads back exactly, and aligned text.
#include "session/Document.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>

namespace {

TEST(ShortestText, ReadsBackToTheSameBits) {
  std::vector<double> values = {0.0,
                                -0.0,
                                0.1,
                                1.0 / 3.0,
                                100000.0,
                                1e-5,
                                9.999999999999999e-6,
                                1e16,
                                123456789012345678.0,
                                1e100,
                                std::numeric_limits<double>::max(),
                                std::numeric_limits<double>::min(),
                                std::numeric_limits<double>::denorm_min(),
                                -2147483648.0,
                                0.6043055068662296};
  std::mt19937_64 random(7);
  for (int i = 0; i < 20000; ++i) {
    const double d = std::bit_cast<double>(random());
    if (std::isfinite(d)) values.push_back(d);
    values.push_back(std::ldexp(static_cast<double>(random() >> 11), -static_cast<int>(i % 80)));
  }
  for (const double d : values) {
    const std::string text = shortestText(d);
    char* end = nullptr;
    const double back = std::strtod(text.c_str(), &end);
    ASSERT_EQ(*end, '\0') << text;
    ASSERT_EQ(std::bit_cast<std::uint64_t>(back), std::bit_cast<std::uint64_t>(d)) << text;
  }
  EXPECT_EQ(shortestText(100000.0), "100000");
  EXPECT_EQ(shortestText(-0.0), "-0");
}

TEST(Json, NonFiniteNumbersAreStringsAndAbsentValuesNull) {
  const Node doc = Object{}
                       .add("nan", std::nan(""))
                       .add("up", std::numeric_limits<double>::infinity())
                       .add("down", -std::numeric_limits<double>::infinity())
                       .add("absent", std::optional<double>{})
                       .add("present", std::optional<double>{2.5})
                       .add("flag", true)
                       .add("count", -7);
  EXPECT_EQ(toJson(doc),
            "{\"nan\":\"NaN\",\"up\":\"Infinity\",\"down\":\"-Infinity\",\"absent\":null,"
            "\"present\":2.5,\"flag\":true,\"count\":-7}\n");
}

struct StringCase {
  const char* name;
  std::string raw;
  std::string json;  // as written, quotes included
  friend void PrintTo(const StringCase& c, std::ostream* os) { *os << c.name; }
};

class JsonStrings : public ::testing::TestWithParam<StringCase> {};

TEST_P(JsonStrings, AreEscapedAndAlwaysValidUtf8) {
  const std::string out = toJson(Node(GetParam().raw));
  EXPECT_EQ(out, GetParam().json + "\n");
  QJsonParseError error{};
  const QJsonDocument doc =
      QJsonDocument::fromJson(QByteArray::fromStdString("[" + out + "]"), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << out;
}

INSTANTIATE_TEST_SUITE_P(
    , JsonStrings,
    ::testing::Values(
        StringCase{"Plain", "450.0", "\"450.0\""},
        StringCase{"QuoteAndBackslash", "a\"b\\c", "\"a\\\"b\\\\c\""},
        StringCase{"Controls", std::string("t\n\t\x01", 4), "\"t\\u000a\\u0009\\u0001\""},
        StringCase{"NulByte", std::string("a\0b", 3), "\"a\\u0000b\""},
        StringCase{"Utf8Kept", "θmax = 7.65°", "\"θmax = 7.65°\""},
        StringCase{"StrayByte", "a\xff", "\"a\xEF\xBF\xBD\""},
        StringCase{"CutSequence", "\xE2\x82", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},
        StringCase{"Overlong", "\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},
        StringCase{"Surrogate", "\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Text, AlignsValuesNestsRecordsAndTabulatesRows) {
  Array rows{.items = {}, .columns = {"x", "vx"}};
  Array first;
  first.items = {Node(1.5), Node(-20.25)};
  Array second;
  second.items = {Node(300.0), Node(0.5)};
  rows.items = {Node(std::move(first)), Node(std::move(second))};
  const Node doc = Object{}
                       .add("a", 1)
                       .add("longer", std::nan(""))
                       .add("typed", "4\x1b[31m\n")  // an echoed text never drives the terminal
                       .add("inner", Object{}.add("ρ₁", "1.234").add("absent", nullptr))
                       .add("rows", std::move(rows));
  EXPECT_EQ(toText(doc),
            "a       1\n"
            "longer  NaN\n"
            "typed   4\\x1b[31m\\x0a\n"
            "inner:\n"
            "  ρ₁      1.234\n"
            "  absent  —\n"
            "rows:\n"
            "  x    vx\n"
            "  1.5  -20.25\n"
            "  300  0.5\n");
}

}  // namespace
