// SPDX-License-Identifier: GPL-3.0-or-later
// The page's entry points: plain C functions over the one session, called from page.js.
// Texts go in as UTF-8 C strings and come out as UTF-8 C strings that stay valid until the
// next call that returns a text.

#include <cstdint>
#include <memory>
#include <string>

#include "web/WebSession.h"

#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#define ZERKON_EXPORT extern "C" EMSCRIPTEN_KEEPALIVE
#else
#define ZERKON_EXPORT extern "C"
#endif

namespace {
std::unique_ptr<WebSession> current;
std::string answer;  // the last text handed out

const char* hand(std::string text) {
  answer = std::move(text);
  return answer.c_str();
}

// A parameter the page did not have comes as a null pointer.
std::optional<std::string> given(const char* text) {
  if (text == nullptr) return std::nullopt;
  return std::string(text);
}
}  // namespace

// The page calls these by their C names, zk_ and words joined by underscores.
// NOLINTBEGIN(readability-identifier-naming)
// A new session from the link's parameters (each may be null); the old one goes.
ZERKON_EXPORT void zk_start(const char* v, const char* t, const char* p, const char* a) {
  current.reset();
  current = std::make_unique<WebSession>(readLink({given(v), given(t), given(p), given(a)}));
}

ZERKON_EXPORT int zk_width() {
  return current ? current->width() : 0;
}

ZERKON_EXPORT int zk_height() {
  return current ? current->height() : 0;
}

ZERKON_EXPORT void zk_tick() {
  if (current) current->tick();
}

ZERKON_EXPORT void zk_compose() {
  if (current) current->compose();
}

ZERKON_EXPORT void zk_restart() {
  if (current) current->restart();
}

ZERKON_EXPORT const std::uint8_t* zk_frame() {
  return current ? current->frame() : nullptr;
}

ZERKON_EXPORT int zk_mouse(int buttons, int x, int y) {
  return current && current->mouse(buttons, x, y) ? 1 : 0;
}

ZERKON_EXPORT int zk_turn_by(double degrees) {
  return current && current->turnBy(degrees) ? 1 : 0;
}

ZERKON_EXPORT int zk_turn_to(double degrees) {
  return current && current->turnTo(degrees) ? 1 : 0;
}

ZERKON_EXPORT void zk_probe_by(int dx, int dy) {
  if (current) current->moveProbeBy(dx, dy);
}

ZERKON_EXPORT void zk_end_key_probe() {
  if (current) current->endKeyboardProbe();
}

ZERKON_EXPORT int zk_apply(int id, const char* text) {
  return current && text && current->applyInput(id, text) ? 1 : 0;
}

ZERKON_EXPORT const char* zk_field(int id) {
  return hand(current ? current->fieldText(id) : std::string());
}

ZERKON_EXPORT const char* zk_state() {
  return hand(current ? current->stateJson() : "null");
}

ZERKON_EXPORT const char* zk_theory() {
  return hand(current ? current->theoryJson() : "null");
}

ZERKON_EXPORT const char* zk_charts() {
  return hand(current ? current->chartsJson() : "null");
}

ZERKON_EXPORT const char* zk_values() {
  return hand(current ? current->valuesTable() : std::string());
}

ZERKON_EXPORT const char* zk_link_notes() {
  return hand(current ? current->linkNotesJson() : "[]");
}

// The About box stops the timer and starts it again, as in the window.
ZERKON_EXPORT void zk_set_timer(int on) {
  if (current) current->setTimerEnabled(on != 0);
}

// The timer's period now [ms]: 25 from the start, 20 after a restart, 0 while stopped.
ZERKON_EXPORT int zk_interval() {
  return current ? current->timerInterval() : 0;
}

ZERKON_EXPORT const char* zk_version() {
  return ZERKON_VERSION;
}
// NOLINTEND(readability-identifier-naming)
