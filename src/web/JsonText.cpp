// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/JsonText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/Compat.h"

void JsonText::separate() {
  if (!first) out += ',';
  first = false;
}

JsonText& JsonText::beginObject() {
  separate();
  out += '{';
  first = true;
  return *this;
}

JsonText& JsonText::endObject() {
  out += '}';
  first = false;
  return *this;
}

JsonText& JsonText::beginArray() {
  separate();
  out += '[';
  first = true;
  return *this;
}

JsonText& JsonText::endArray() {
  out += ']';
  first = false;
  return *this;
}

JsonText& JsonText::key(std::string_view name) {
  value(name);
  out += ':';
  // The value that follows needs no comma of its own.
  first = true;
  return *this;
}

JsonText& JsonText::value(std::string_view text) {
  separate();
  out += '"';
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      // Control characters as \u escapes; UTF-8 above them passes as it is.
      std::array<char, 8> escaped{};
      std::snprintf(escaped.data(), escaped.size(), "\\u%04x", byte);
      out += escaped.data();
    } else {
      out += c;
    }
  }
  out += '"';
  return *this;
}

JsonText& JsonText::value(double number) {
  if (!std::isfinite(number)) return null();
  separate();
  std::array<char, 32> buffer{};
  const auto result = compat::to_chars(buffer.data(), buffer.data() + buffer.size(), number);
  out.append(buffer.data(), result.ptr);
  return *this;
}

JsonText& JsonText::value(int number) {
  separate();
  out += std::to_string(number);
  return *this;
}

JsonText& JsonText::value(bool flag) {
  separate();
  out += flag ? "true" : "false";
  return *this;
}

JsonText& JsonText::value(const std::optional<double>& number) {
  return number ? value(*number) : null();
}

JsonText& JsonText::null() {
  separate();
  out += "null";
  return *this;
}
