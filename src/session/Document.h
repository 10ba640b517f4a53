// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The answer to one command as a small ordered tree of values, written either as one JSON
// document or as aligned text for a person. Both writers see the same tree, so the two
// forms can never disagree.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

struct Node;

// Members keep the order they were added in.
struct Object {
  // Chained on a temporary the record is moved along, never copied.
  Object& add(std::string key, Node value) &;
  Object&& add(std::string key, Node value) &&;
  std::vector<std::pair<std::string, Node>> members;
};

struct Array {
  std::vector<Node> items;
  // Headings for the text form when the items are rows of scalars; not part of the JSON.
  std::vector<std::string> columns;
};

struct Node {
  Node() = default;  // null
  Node(std::nullptr_t) {}
  Node(bool value) : value(value) {}
  Node(int value) : value(std::int64_t{value}) {}
  Node(std::int64_t value) : value(value) {}
  Node(double value) : value(value) {}
  Node(const std::optional<double>& value);  // null when absent
  Node(const char* value) : value(std::string(value)) {}
  Node(std::string value) : value(std::move(value)) {}
  Node(Object value) : value(std::move(value)) {}
  Node(Array value) : value(std::move(value)) {}

  std::variant<std::nullptr_t, bool, std::int64_t, double, std::string, Array, Object> value;
};

// The shortest text that reads back as exactly this double; "NaN", "Infinity" and
// "-Infinity" for the values JSON has no number for.
std::string shortestText(double value);

// One line of JSON. Doubles in shortest round-trip form, non-finite ones as the strings
// above; strings escaped, with any byte that is not UTF-8 replaced by U+FFFD.
std::string toJson(const Node& node);

// Aligned text: "key  value" rows, nested records indented, rows of scalars as a table.
std::string toText(const Node& node);
