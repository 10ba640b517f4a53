// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one version of both programs, from the build's project() line.

#include <string_view>

#ifndef ZERKON_VERSION
#error "ZERKON_VERSION comes from the build (src/app/CMakeLists.txt)"
#endif

inline constexpr std::string_view kVersion = ZERKON_VERSION;
