// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/TextEscape.h"

namespace {

constexpr char kHex[] = "0123456789abcdef";

void appendHexByte(std::string& out, unsigned char byte) {
  out += "\\x";
  out += kHex[byte >> 4];
  out += kHex[byte & 15];
}

void appendEscaped(std::string& out, std::string_view text, bool quoting) {
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const std::size_t length = utf8Length(text, i);
    if (quoting && (byte == '\\' || byte == '\'')) {
      out += '\\';
      out += static_cast<char>(byte);
    } else if (length == 0 || byte < 0x20 || byte == 0x7F) {
      appendHexByte(out, byte);
    } else if (byte == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
      // U+0080..U+009F: some terminals take U+009B as the start of a command.
      out += "\\u00";
      out += kHex[static_cast<unsigned char>(text[i + 1]) >> 4];
      out += kHex[static_cast<unsigned char>(text[i + 1]) & 15];
      i += 2;
      continue;
    } else {
      out.append(text, i, length);
      i += length;
      continue;
    }
    ++i;
  }
}

}  // namespace

std::size_t utf8Length(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  if (byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k)
    if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
  return length;
}

std::string escapedText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  appendEscaped(out, text, false);
  return out;
}

std::string quotedText(std::string_view text) {
  std::string out = "'";
  appendEscaped(out, text, true);
  return out + "'";
}
