// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page's one flow session: the window's session with the window's rules for the mouse,
// the keys, the fields and the probe, and its answers as JSON texts and an RGBA frame that
// the page's script puts on a canvas.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/ChartSeries.h"
#include "app/Export.h"
#include "session/SessionCore.h"
#include "web/LinkOptions.h"
#include "web/WebHost.h"

class WebSession final : public SessionCore {
 public:
  static constexpr double kKeyStep = 1.0;      // degrees per key press
  static constexpr double kFineKeyStep = 0.1;  // degrees per key press with Shift

  // Starts as the window does, with the link's parameters typed into the fields and its
  // angle set after the start-up drag.
  explicit WebSession(const LinkSession& link);
  WebSession(const WebSession&) = delete;
  WebSession& operator=(const WebSession&) = delete;

  int width() const;   // pixels
  int height() const;  // pixels

  // One timer tick: the zone pass and a whole frame.
  void tick();
  // A frame without a zone pass (each tracer still steps once while drawn), as a paint does.
  void compose();
  // Every tracer and bubble enters anew.
  void restart();
  // The picture after the last composed frame as RGBA bytes, rows top down,
  // width × height × 4.
  const std::uint8_t* frame() const { return host.picture(); }

  // The About box stops the timer and starts it again, as in the window.
  void setTimerEnabled(bool on) { animation().setTimerEnabled(on); }
  int timerInterval() const { return host.timerInterval; }  // ms; 0 while stopped

  // The mouse over the picture: with the left button (bit 1) held the plate follows it,
  // otherwise the point is probed. True when the plate turned.
  bool mouse(int buttons, int x, int y);
  // The keys' turns: by a step in degrees, or to an angle in degrees (a chart's click),
  // clamped to 0..75°; nothing at all happens when the clamped angle is the one set. After
  // a turn the last probed point is probed again. True when the plate turned.
  bool turnBy(double degrees);
  bool turnTo(double degrees);
  // The keyboard's probe: by (dx, dy) pixels from the last probed point, from the picture's
  // centre when the keys take the probe over; never outside the picture.
  void moveProbeBy(int dx, int dy);
  // The mouse took the probe back from the keys: the crosshair goes.
  void endKeyboardProbe() { probingByKeys = false; }

  // One field's text, as the page's edit shows it; id is the field's number (1002 for V₁).
  std::string fieldText(int id) const;
  // An input field was left or Enter was pressed in it with `text`: the free stream is read
  // from the three inputs, derived, and the flow follows, as in the window. False for an id
  // that is not one of the three inputs.
  bool applyInput(int id, const std::string& text);

  // Everything the page shows beside the picture, as one JSON object: the sixteen field
  // texts, α, M₁, the regime line, the probed point and the picture's file name.
  std::string stateJson();
  // The theory window's content: the regime and every report line by its key.
  std::string theoryJson();
  // The two charts' numbers.
  std::string chartsJson();
  // The window's copied values table.
  std::string valuesTable();
  // The link's notes, as the page reports them.
  std::string linkNotesJson() const;

 private:
  bool turnToAngle(double wanted);
  void probe(int x, int y);

  WebHost host;  // the core's animation draws on it from start() on
  ChartSeriesBuilder charts;
  std::vector<LinkNote> notes;
  std::optional<ProbedPoint> probed;
  bool probingByKeys = false;
};
