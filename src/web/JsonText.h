// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small writer of JSON text for the page: objects, arrays, strings and numbers, built in
// one string without a tree. Numbers that are not finite are written as null, which is what
// the page takes for "absent".

#include <optional>
#include <string>
#include <string_view>

class JsonText {
 public:
  JsonText& beginObject();
  JsonText& endObject();
  JsonText& beginArray();
  JsonText& endArray();
  // The key of the next value inside an object.
  JsonText& key(std::string_view name);
  JsonText& value(std::string_view text);
  JsonText& value(const char* text) { return value(std::string_view(text)); }
  JsonText& value(const std::string& text) { return value(std::string_view(text)); }
  // Shortest text that reads back as the same double; null when not finite.
  JsonText& value(double number);
  JsonText& value(int number);
  JsonText& value(bool flag);
  JsonText& value(const std::optional<double>& number);
  JsonText& null();

  const std::string& text() const { return out; }

 private:
  // The comma between two members or items.
  void separate();

  std::string out;
  bool first = true;  // no member or item yet in the innermost object or array
};
