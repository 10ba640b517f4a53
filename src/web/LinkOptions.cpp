// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/LinkOptions.h"

#include <algorithm>
#include <cmath>

#include "app/NumberText.h"
#include "web/JsonText.h"

namespace {

constexpr std::size_t kShownLength = 40;  // bytes of a bad parameter repeated in the note

// The shortest text that reads back as `number`.
std::string shortest(double number) {
  JsonText text;
  text.value(number);
  return text.text();
}

// The parameter's text when it is whole a finite decimal number inside `limit`; otherwise
// the note says what happened and the result is the clamped text or nothing.
std::optional<std::string> checked(const char* name, const std::optional<std::string>& given,
                                   const LinkLimit& limit, std::vector<LinkNote>& notes) {
  if (!given) return std::nullopt;
  const std::string& text = *given;
  LinkNote note{name, text.substr(0, kShownLength), "", LinkProblem::NotANumber};
  // Only the number and nothing else: "450abc" would be read as 450 by a field, but a link
  // that carries it was not written by this page.
  if (text.empty() || decimalPrefixLength(text) != text.size()) {
    notes.push_back(note);
    return std::nullopt;
  }
  const double value = parseNumber(text);
  if (!std::isfinite(value)) {
    notes.push_back(note);
    return std::nullopt;
  }
  const double kept = std::clamp(value, limit.low, limit.high);
  if (kept == value) return text;
  note.used = shortest(kept);
  note.problem = LinkProblem::Clamped;
  notes.push_back(note);
  return note.used;
}

}  // namespace

LinkSession readLink(const LinkParameters& link) {
  LinkSession session;
  session.velocity = checked("v", link.velocity, kLinkVelocity, session.notes);
  session.temperature = checked("t", link.temperature, kLinkTemperature, session.notes);
  session.pressure = checked("p", link.pressure, kLinkPressure, session.notes);
  if (const auto angle = checked("a", link.angle, kLinkAngle, session.notes))
    session.angle = parseNumber(*angle);
  return session;
}
