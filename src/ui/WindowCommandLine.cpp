// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowCommandLine.h"

#include <array>
#include <cstdio>
#include <optional>
#include <string_view>

std::string quotedArgument(std::string_view text) {
  std::string out = "'";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte >= 0x7f || c == '\\' || c == '\'') {
      std::array<char, 5> hex{};
      std::snprintf(hex.data(), hex.size(), "\\x%02x", byte);
      out += hex.data();
    } else {
      out += c;
    }
  }
  return out + "'";
}

namespace {
std::optional<Language> languageNamed(std::string_view name) {
  if (name == "ru") return Language::Russian;
  if (name == "en") return Language::English;
  return std::nullopt;
}

}  // namespace

WindowInvocation parseWindowCommandLine(const std::vector<std::string>& arguments) {
  WindowInvocation result;
  bool help = false;
  bool version = false;
  std::string firstError;
  const auto fail = [&firstError](const std::string& message) {
    if (firstError.empty()) firstError = message;
  };
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string_view name = arguments[i];
    std::optional<std::string> value;
    if (name.starts_with("--")) {
      if (const std::size_t equals = name.find('='); equals != std::string_view::npos) {
        value = std::string(name.substr(equals + 1));
        name = name.substr(0, equals);
      }
    }
    if (name == "--help" || name == "-h" || name == "--version") {
      if (value) fail("option " + std::string(name) + " takes no value");
      (name == "--version" ? version : help) = true;
    } else if (name == "--fresh") {
      if (value) fail("option --fresh takes no value");
      result.fresh = true;
    } else if (name == "--language") {
      if (!value) {
        if (i + 1 >= arguments.size()) {
          fail("option --language needs a value (ru or en)");
          continue;
        }
        value = arguments[++i];
      }
      if (const auto language = languageNamed(*value)) {
        result.language = *language;
      } else {
        fail("--language needs ru or en, not " + quotedArgument(*value));
      }
    } else if (name.starts_with("-") && name.size() > 1) {
      fail("unknown option " + quotedArgument(name));
    } else {
      fail("unexpected argument " + quotedArgument(name));
    }
  }
  if (help) {
    result.action = WindowInvocation::Action::Help;
  } else if (version) {
    result.action = WindowInvocation::Action::Version;
  } else if (!firstError.empty()) {
    result.action = WindowInvocation::Action::Error;
    result.error = firstError;
  }
  return result;
}

std::string windowHelpText() {
  return "Usage: zerkon [OPTIONS]\n"
         "\n"
         "Opens the window: steady supersonic flow of a perfect gas around a thin flat plate,\n"
         "animated. Drag with the left mouse button to turn the plate; move the mouse to probe\n"
         "the gas; right-click for the menu.\n"
         "\n"
         "Options:\n"
         "  --language ru|en  the language of the window (default: the one last used, else\n"
         "                    the system locale)\n"
         "  --fresh           start with the defaults and remember nothing of this run (for a\n"
         "                    computer many people share); the settings kept stay as they are\n"
         "  --version         print the version and exit\n"
         "  -h, --help        print this help and exit\n";
}
