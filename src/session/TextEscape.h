// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// User text made safe to show on one terminal line: bytes that would move the cursor, start a
// terminal command or not decode as UTF-8 are written as visible escapes.

#include <cstddef>
#include <string>
#include <string_view>

// Length of the well-formed UTF-8 sequence at text[i], 0 when it is not one (overlong forms,
// surrogates and values beyond U+10FFFF included).
std::size_t utf8Length(std::string_view text, std::size_t i);

// Control characters, DEL and invalid bytes as \xHH, C1 characters as \u0080..\u009f; all other
// text unchanged.
std::string escapedText(std::string_view text);

// The text in single quotes for a message, escaped as above and with \ and ' escaped too, so
// that every name reads back unambiguously.
std::string quotedText(std::string_view text);
