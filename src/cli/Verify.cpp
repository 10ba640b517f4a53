// SPDX-License-Identifier: GPL-3.0-or-later
// The verify command's two forms.
#include "cli/Verify.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>

#include "platform/FixedText.h"

namespace {

// Seven significant digits: enough to see how far inside its tolerance a value lies.
std::string shown(double value) {
  char buffer[32];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
  return std::string(buffer, end.ptr);
}

// Characters as a terminal counts them: UTF-8 continuation bytes take no column.
std::size_t columns(const std::string& text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

// A tolerance in plain decimals, as short as it reads exactly: "0.0005", not "5e-04".
std::string plain(double value) {
  std::string text = fixedText(value, 9);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

void padded(std::string& out, const std::string& text, std::size_t width) {
  out += text;
  out.append(width - std::min(width, columns(text)) + 2, ' ');
}

std::size_t failures(const std::vector<theory::TextbookCase>& cases) {
  return static_cast<std::size_t>(
      std::count_if(cases.begin(), cases.end(), [](const auto& c) { return !c.passes(); }));
}

}  // namespace

bool allPass(const std::vector<theory::TextbookCase>& cases) {
  return failures(cases) == 0;
}

Node verifyReport(const std::vector<theory::TextbookCase>& cases) {
  Array items;
  for (const theory::TextbookCase& c : cases) {
    const std::optional<double> difference =
        c.computed ? std::optional(*c.computed - c.published) : std::nullopt;
    items.items.emplace_back(Object{}
                                 .add("flow", c.flow)
                                 .add("source", c.source)
                                 .add("quantity", c.quantity)
                                 .add("published", c.published)
                                 .add("printed", c.printed())
                                 .add("tolerance", c.tolerance)
                                 .add("value", c.computed)
                                 .add("difference", difference)
                                 .add("passed", c.passes())
                                 .add("note", c.note.empty() ? Node() : Node(c.note)));
  }
  return Object{}
      .add("passed", allPass(cases))
      .add("failures", static_cast<std::int64_t>(failures(cases)))
      .add("cases", std::move(items));
}

std::string verifyText(const std::vector<theory::TextbookCase>& cases) {
  std::size_t quantityWidth = 0;
  std::size_t publishedWidth = 0;
  std::size_t toleranceWidth = 0;
  std::size_t valueWidth = 0;
  for (const auto& c : cases) {
    quantityWidth = std::max(quantityWidth, columns(c.quantity));
    publishedWidth = std::max(publishedWidth, columns(c.printed()));
    toleranceWidth = std::max(toleranceWidth, columns(plain(c.tolerance)) + 2);
    valueWidth = std::max(valueWidth, c.computed ? columns(shown(*c.computed)) : 1);
  }
  std::string out;
  const theory::TextbookCase* previous = nullptr;
  std::vector<std::string> notes;
  const auto flushNotes = [&] {
    for (const auto& note : notes) {
      out += "  note: ";
      out += note;
      out += '\n';
    }
    notes.clear();
  };
  for (const auto& c : cases) {
    if (!previous || previous->flow != c.flow) {
      flushNotes();
      if (previous) out += '\n';
      out += c.flow;
      out += '\n';
    }
    if (!previous || previous->flow != c.flow || previous->source != c.source) {
      out += "  ";
      out += c.source;
      out += '\n';
    }
    out += "    ";
    padded(out, c.quantity, quantityWidth);
    padded(out, c.printed(), publishedWidth);
    out += "± ";
    padded(out, plain(c.tolerance), toleranceWidth - 2);
    padded(out, c.computed ? shown(*c.computed) : "—", valueWidth);
    out += c.passes() ? "pass\n" : "FAIL\n";
    if (!c.note.empty() && std::find(notes.begin(), notes.end(), c.note) == notes.end())
      notes.push_back(c.note);
    previous = &c;
  }
  flushNotes();
  const std::size_t failed = failures(cases);
  out += '\n';
  out += std::to_string(cases.size() - failed);
  out += " of ";
  out += std::to_string(cases.size());
  out += " cases pass";
  if (failed > 0) {
    out += "; ";
    out += std::to_string(failed);
    out += " FAIL";
  }
  out += '\n';
  return out;
}
