// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A session handed out as a link (?v=…&t=…&p=…&a=…): the parameters read as the window reads
// its fields, with what a link may carry kept within sane limits. A parameter that is absent
// keeps the start-up value; one that is not a number is dropped; one outside its limits is
// clamped; each of the last two is reported, so the page can say in one line what it did.

#include <optional>
#include <string>
#include <vector>

struct LinkParameters {
  std::optional<std::string> velocity;     // v, V₁ as typed [m/s]
  std::optional<std::string> temperature;  // t, T₁ as typed [K]
  std::optional<std::string> pressure;     // p, P₁ as typed [Pa]
  std::optional<std::string> angle;        // a, α [°]
};

enum class LinkProblem {
  NotANumber,  // the text is not a decimal number: the start-up value stays
  Clamped,     // the number was outside its limits: the nearest limit is used
};

struct LinkNote {
  std::string parameter;  // "v", "t", "p" or "a"
  std::string given;      // the text as the link had it, cut to 40 bytes
  std::string used;       // the text the session starts with
  LinkProblem problem = LinkProblem::NotANumber;
};

struct LinkSession {
  std::optional<std::string> velocity;  // field texts for the session builder
  std::optional<std::string> temperature;
  std::optional<std::string> pressure;
  std::optional<double> angle;  // [°]
  std::vector<LinkNote> notes;  // in the order v, t, p, a
};

// The limits of what a link may set; typing in the page is not limited, as in the window.
struct LinkLimit {
  double low;
  double high;
};
inline constexpr LinkLimit kLinkVelocity{0.0, 20000.0};      // [m/s]
inline constexpr LinkLimit kLinkTemperature{1.0, 20000.0};   // [K]
inline constexpr LinkLimit kLinkPressure{1.0, 100000000.0};  // [Pa]
inline constexpr LinkLimit kLinkAngle{0.0, 75.0};            // [°]

LinkSession readLink(const LinkParameters& link);
