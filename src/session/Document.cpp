// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Document.h"

#include <algorithm>
#include <cmath>

#include "app/NumberText.h"
#include "session/TextEscape.h"

Object& Object::add(std::string key, Node value) & {
  members.emplace_back(std::move(key), std::move(value));
  return *this;
}

Object&& Object::add(std::string key, Node value) && {
  members.emplace_back(std::move(key), std::move(value));
  return std::move(*this);
}

Node::Node(const std::optional<double>& value) {
  if (value) this->value = *value;
}

std::string shortestText(double value) {
  return roundTripText(value);
}

namespace {

void appendJsonString(std::string& out, const std::string& text) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += '"';
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
      ++i;
    } else if (c < 0x20) {
      out += "\\u00";
      out += kHex[c >> 4];
      out += kHex[c & 15];
      ++i;
    } else if (const std::size_t length = utf8Length(text, i); length > 0) {
      out.append(text, i, length);
      i += length;
    } else {
      out += "\xEF\xBF\xBD";  // U+FFFD
      ++i;
    }
  }
  out += '"';
}

void appendJson(std::string& out, const Node& node) {
  struct Writer {
    std::string& out;
    void operator()(std::nullptr_t) const { out += "null"; }
    void operator()(bool b) const { out += b ? "true" : "false"; }
    void operator()(std::int64_t i) const { out += std::to_string(i); }
    void operator()(double d) const {
      if (std::isfinite(d)) {
        out += shortestText(d);
      } else {
        appendJsonString(out, shortestText(d));
      }
    }
    void operator()(const std::string& s) const { appendJsonString(out, s); }
    void operator()(const Array& a) const {
      out += '[';
      for (std::size_t i = 0; i < a.items.size(); ++i) {
        if (i > 0) out += ',';
        appendJson(out, a.items[i]);
      }
      out += ']';
    }
    void operator()(const Object& o) const {
      out += '{';
      for (std::size_t i = 0; i < o.members.size(); ++i) {
        if (i > 0) out += ',';
        appendJsonString(out, o.members[i].first);
        out += ':';
        appendJson(out, o.members[i].second);
      }
      out += '}';
    }
  };
  std::visit(Writer{out}, node.value);
}

bool isScalar(const Node& node) {
  return !std::holds_alternative<Array>(node.value) && !std::holds_alternative<Object>(node.value);
}

std::string scalarText(const Node& node) {
  struct Writer {
    std::string operator()(std::nullptr_t) const { return "—"; }
    std::string operator()(bool b) const { return b ? "true" : "false"; }
    std::string operator()(std::int64_t i) const { return std::to_string(i); }
    std::string operator()(double d) const { return shortestText(d); }
    std::string operator()(const std::string& s) const { return escapedText(s); }
    std::string operator()(const Array&) const { return {}; }
    std::string operator()(const Object&) const { return {}; }
  };
  return std::visit(Writer{}, node.value);
}

// Characters as a terminal counts them: UTF-8 continuation bytes take no column.
std::size_t displayWidth(const std::string& text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

void pad(std::string& out, const std::string& text, std::size_t width) {
  out += text;
  out.append(width - std::min(width, displayWidth(text)), ' ');
}

bool isTable(const Array& a) {
  if (a.items.empty()) return !a.columns.empty();
  return std::all_of(a.items.begin(), a.items.end(), [](const Node& row) {
    const auto* cells = std::get_if<Array>(&row.value);
    return cells && std::all_of(cells->items.begin(), cells->items.end(), isScalar);
  });
}

void appendText(std::string& out, const Node& node, std::size_t indent);

void appendTable(std::string& out, const Array& table, std::size_t indent) {
  std::vector<std::vector<std::string>> rows;
  if (!table.columns.empty()) rows.push_back(table.columns);
  for (const Node& row : table.items) {
    std::vector<std::string> cells;
    for (const Node& cell : std::get<Array>(row.value).items) cells.push_back(scalarText(cell));
    rows.push_back(std::move(cells));
  }
  std::vector<std::size_t> widths;
  for (const auto& row : rows) {
    if (widths.size() < row.size()) widths.resize(row.size(), 0);
    for (std::size_t c = 0; c < row.size(); ++c)
      widths[c] = std::max(widths[c], displayWidth(row[c]));
  }
  for (const auto& row : rows) {
    out.append(indent, ' ');
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (c + 1 == row.size()) {
        out += row[c];
      } else {
        pad(out, row[c], widths[c] + 2);
      }
    }
    out += '\n';
  }
}

void appendArray(std::string& out, const Array& a, std::size_t indent) {
  if (isTable(a)) {
    appendTable(out, a, indent);
  } else if (std::all_of(a.items.begin(), a.items.end(), isScalar)) {
    out.append(indent, ' ');
    for (std::size_t i = 0; i < a.items.size(); ++i) {
      if (i > 0) out += ' ';
      out += scalarText(a.items[i]);
    }
    out += '\n';
  } else {
    for (std::size_t i = 0; i < a.items.size(); ++i) {
      out.append(indent, ' ');
      // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict)
      // about "literal" + std::string.
      out += '[';
      out += std::to_string(i);
      out += "]\n";
      appendText(out, a.items[i], indent + 2);
    }
  }
}

void appendObject(std::string& out, const Object& o, std::size_t indent) {
  std::size_t keyWidth = 0;
  for (const auto& [key, value] : o.members)
    if (isScalar(value)) keyWidth = std::max(keyWidth, displayWidth(key));
  for (const auto& [key, value] : o.members) {
    out.append(indent, ' ');
    if (isScalar(value)) {
      pad(out, key, keyWidth + 2);
      out += scalarText(value);
      out += '\n';
    } else {
      out += key + ":\n";
      appendText(out, value, indent + 2);
    }
  }
}

void appendText(std::string& out, const Node& node, std::size_t indent) {
  if (const auto* o = std::get_if<Object>(&node.value)) {
    appendObject(out, *o, indent);
  } else if (const auto* a = std::get_if<Array>(&node.value)) {
    appendArray(out, *a, indent);
  } else {
    out.append(indent, ' ');
    out += scalarText(node) + '\n';
  }
}

}  // namespace

std::string toJson(const Node& node) {
  std::string out;
  appendJson(out, node);
  out += '\n';
  return out;
}

std::string toText(const Node& node) {
  std::string out;
  appendText(out, node, 0);
  return out;
}
