// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the command line: what is accepted and how, before any session exists.
#include "cli/CommandLine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include <bit>
#include <cmath>

namespace {

Invocation parse(std::vector<std::string> arguments) {
  return parseCommandLine(arguments);
}

TEST(CommandLine, DefaultsAreTheWindows) {
  const Invocation call = parse({"zones"});
  ASSERT_EQ(call.action, Invocation::Action::Run) << call.error;
  EXPECT_EQ(call.command, Command::Zones);
  EXPECT_FALSE(call.session.velocity || call.session.temperature || call.session.pressure);
  EXPECT_EQ(call.session.width, 672);
  EXPECT_EQ(call.session.height, 465);
  EXPECT_TRUE(call.session.drags.empty());
  EXPECT_FALSE(call.session.angle);
  EXPECT_EQ(call.session.ticks, 0);
  EXPECT_FALSE(call.json);
}

TEST(CommandLine, ReadsEveryOptionInBothSpellings) {
  const Invocation call = parse({"--velocity", "900", "--temperature=abc", "--pressure", "",
                                 "--size=300x200", "--drag", "-5,+7", "--drag=10,20", "--angle",
                                 "-0", "--ticks=12", "sample", "-10,20", "3,4", "--json"});
  ASSERT_EQ(call.action, Invocation::Action::Run) << call.error;
  EXPECT_EQ(call.session.velocity, "900");
  EXPECT_EQ(call.session.temperature, "abc");  // never an error
  EXPECT_EQ(call.session.pressure, "");
  EXPECT_EQ(call.session.width, 300);
  EXPECT_EQ(call.session.height, 200);
  ASSERT_EQ(call.session.drags.size(), 2u);
  EXPECT_EQ(call.session.drags[0].x, -5);
  EXPECT_EQ(call.session.drags[0].y, 7);
  EXPECT_EQ(call.session.drags[1].x, 10);
  ASSERT_TRUE(call.session.angle);
  EXPECT_TRUE(std::signbit(*call.session.angle));  // the session, not the parser, makes it +0
  EXPECT_EQ(call.session.ticks, 12);
  EXPECT_EQ(call.command, Command::Sample);
  ASSERT_EQ(call.points.size(), 2u);
  EXPECT_EQ(call.points[0].x, -10);
  EXPECT_EQ(call.points[1].y, 4);
  EXPECT_TRUE(call.json);
}

TEST(CommandLine, AngleTextIsReadAsTheFieldsReadNumbers) {
  for (const auto& [text, value] : std::vector<std::pair<std::string, double>>{
           {"33.3", 33.3}, {".5", 0.5}, {"5.", 5.0}, {"+1e1", 10.0}, {"1E-1", 0.1}}) {
    const Invocation call = parse({"--angle", text, "zones"});
    ASSERT_EQ(call.action, Invocation::Action::Run) << text << ": " << call.error;
    EXPECT_EQ(*call.session.angle, value) << text;
  }
}

TEST(CommandLine, SweepReadsItsRangeAndForm) {
  const Invocation defaults = parse({"sweep"});
  ASSERT_EQ(defaults.action, Invocation::Action::Run) << defaults.error;
  EXPECT_EQ(defaults.command, Command::Sweep);
  EXPECT_EQ(defaults.sweep.from, 0.0);
  EXPECT_EQ(defaults.sweep.to, 75.0);
  EXPECT_EQ(defaults.sweep.step, 1.0);
  EXPECT_FALSE(defaults.csv);
  const Invocation call = parse({"--csv", "sweep", "--from", "-5", "--to=2.5", "--step", ".25"});
  ASSERT_EQ(call.action, Invocation::Action::Run) << call.error;
  EXPECT_TRUE(call.csv);
  EXPECT_EQ(call.sweep.from, -5.0);
  EXPECT_EQ(call.sweep.to, 2.5);
  EXPECT_EQ(call.sweep.step, 0.25);
  // 100000 angles is the most a sweep may have.
  EXPECT_EQ(parse({"sweep", "--to", "99999"}).action, Invocation::Action::Run);
  EXPECT_EQ(parse({"sweep", "--to", "100000"}).action, Invocation::Action::Error);
}

TEST(CommandLine, SweepAnglesAreTheDecimalsAsWritten) {
  const struct {
    SweepRange range;
    std::size_t count;
    double seventh, last;  // the angle at index 7 (when there is one) and the last one
  } cases[] = {
      {{0.0, 75.0, 1.0}, 76, 7.0, 75.0},
      {{0.0, 75.0, 0.01}, 7501, 0.07, 75.0},
      {{0.0, 0.9, 0.1}, 10, 0.7, 0.9},
      {{-1.5, 1.0, 0.3}, 9, 0.6, 0.9},
      {{5.0, 5.0, 1.0}, 1, 0.0, 5.0},
      {{0.0, 1.0, 1.0 / 3.0}, 4, 0.0, 1.0},
      // A tiny step is a step, not nothing: no row repeats α = 0.
      {{0.0, 5e-16, 1e-16}, 6, 0.0, 5e-16},
      {{-8e-16, 0.0, 1e-16}, 9, -8e-16 + 7 * 1e-16, 0.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.range.from << ".." << c.range.to << " by " << c.range.step);
    const std::vector<double> angles = sweepAngles(c.range);
    ASSERT_EQ(angles.size(), c.count);
    EXPECT_EQ(angles.front(), c.range.from);
    EXPECT_EQ(angles.back(), c.last);
    if (c.count > 7) {
      EXPECT_EQ(angles[7], c.seventh);
    }
    EXPECT_TRUE(std::is_sorted(angles.begin(), angles.end(), std::less_equal<>()) &&
                std::adjacent_find(angles.begin(), angles.end()) == angles.end());
  }
}

TEST(CommandLine, RenderTakesOneFileAndADashIsStdout) {
  EXPECT_EQ(parse({"render", "-"}).outputFile, "-");
  EXPECT_EQ(parse({"render", "--", "-x.png"}).outputFile, "-x.png");
  EXPECT_EQ(parse({"render", "a.png", "b.png"}).action, Invocation::Action::Error);
}

TEST(CommandLine, HelpWinsOverMistakes) {
  EXPECT_EQ(parse({"--help"}).action, Invocation::Action::Help);
  EXPECT_EQ(parse({"--ticks", "x", "-h"}).action, Invocation::Action::Help);
  for (const char* word :
       {"--velocity", "--temperature", "--pressure", "--size", "--drag", "--angle",    "--ticks",
        "--json",     "--csv",         "--from",     "--to",   "--step", "freestream", "sample",
        "zones",      "streamlines",   "tracers",    "render", "theory", "sweep",      "verify"})
    EXPECT_NE(helpText().find(word), std::string::npos) << word;
}

struct BadCase {
  std::vector<std::string> arguments;
  const char* named;  // the message names the problem
  friend void PrintTo(const BadCase& c, std::ostream* os) {
    for (const auto& a : c.arguments) *os << a << ' ';
  }
};

class Refused : public ::testing::TestWithParam<BadCase> {};

TEST_P(Refused, WithOneLineNamingTheProblem) {
  const Invocation call = parse(GetParam().arguments);
  ASSERT_EQ(call.action, Invocation::Action::Error);
  EXPECT_NE(call.error.find(GetParam().named), std::string::npos) << call.error;
  EXPECT_EQ(call.error.find('\n'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    , Refused,
    ::testing::Values(
        BadCase{{}, "no command"}, BadCase{{"frobnicate"}, "unknown command 'frobnicate'"},
        BadCase{{"--frob", "zones"}, "unknown option '--frob'"},
        BadCase{{"-x", "zones"}, "unknown option '-x'"},
        BadCase{{"--json=yes", "zones"}, "takes no value"},
        BadCase{{"zones", "--angle"}, "--angle needs a value"},
        BadCase{{"--ticks", "x", "zones"}, "--ticks"},
        BadCase{{"--ticks", "-1", "zones"}, "--ticks"},
        BadCase{{"--ticks", "+3", "zones"}, "--ticks"},
        BadCase{{"--ticks", "1.5", "zones"}, "--ticks"},
        BadCase{{"--ticks", "99999999999", "zones"}, "--ticks"},
        BadCase{{"--ticks", "", "zones"}, "--ticks"}, BadCase{{"--size", "300", "zones"}, "--size"},
        BadCase{{"--size", "0x200", "zones"}, "--size"},
        BadCase{{"--size", "300x", "zones"}, "--size"},
        BadCase{{"--size", "9000x100", "zones"}, "--size"},
        BadCase{{"--size", "-3x100", "zones"}, "--size"},
        BadCase{{"--drag", "1;2", "zones"}, "--drag"},
        BadCase{{"--drag", "1,2,3", "zones"}, "--drag"},
        BadCase{{"--drag", "a,b", "zones"}, "--drag"},
        BadCase{{"--drag", "+-1,2", "zones"}, "--drag"},
        BadCase{{"--drag", "1,4294967296", "zones"}, "--drag"},
        BadCase{{"--angle", "abc", "zones"}, "--angle"},
        BadCase{{"--angle", "5deg", "zones"}, "--angle"},
        BadCase{{"--angle", "nan", "zones"}, "--angle"},
        BadCase{{"--angle", "inf", "zones"}, "--angle"},
        BadCase{{"--angle", " 5", "zones"}, "--angle"},
        BadCase{{"--angle", "1e", "zones"}, "--angle"},
        BadCase{{"--angle", "", "zones"}, "--angle"},
        BadCase{{"--angle", "a\nb", "zones"}, "'a\\x0ab'"},  // user text cannot break the line
        BadCase{{"sample"}, "at least one point"}, BadCase{{"sample", "1,2", "x"}, "sample needs"},
        BadCase{{"render"}, "render needs"}, BadCase{{"zones", "extra"}, "unexpected argument"},
        BadCase{{"sweep", "--step", "0"}, "--step must be a positive"},
        BadCase{{"sweep", "--step", "-1"}, "--step must be a positive"},
        BadCase{{"sweep", "--step", "1e-320"}, "more than 100000"},
        BadCase{{"sweep", "--step", "0.0001"}, "more than 100000"},
        BadCase{{"sweep", "--from", "-1e308", "--to", "1e308"}, "more than 100000"},
        BadCase{{"sweep", "--to", "-1"}, "--to must not be below --from"},
        BadCase{{"sweep", "--from", "1e400"}, "--from must be a finite"},
        BadCase{{"--angle", "1e400", "zones"}, "--angle must be a finite"},
        BadCase{{"sweep", "--from", "1e16", "--to", "1.00000000000001e16"}, "too fine"},
        BadCase{{"--json", "render", "x.png"}, "--json is not for render"},
        BadCase{{"--json", "chart", "loads", "x.svg"}, "--json is not for chart"},
        BadCase{{"--velocity", "900", "verify"}, "--velocity is not for verify"},
        BadCase{{"verify", "--ticks", "5"}, "--ticks is not for verify"},
        BadCase{{"chart", "loads", "noext"}, "not 'noext'"},
        BadCase{{"chart", "loads", ".svg"}, "not '.svg'"},
        BadCase{{"chart", "loads", "d.svg/inner"}, "not 'd.svg/inner'"},
        BadCase{{"sweep", "--to", "5deg"}, "--to needs a decimal number of degrees, not '5deg'"},
        BadCase{{"sweep", "--step", "a\x1b"}, "'a\\x1b'"},
        BadCase{{"sweep", "--csv", "--json"}, "cannot be combined"},
        BadCase{{"--csv", "zones"}, "--csv is only for sweep"},
        BadCase{{"theory", "--step", "2"}, "only for sweep"}));

}  // namespace
