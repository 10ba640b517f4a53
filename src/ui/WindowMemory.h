// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window remembers between runs: the language, the zoom and where the windows
// stood, in the user's settings file (QSettings: ~/.config/zerkon/zerkon.conf on Linux).
// Read once as the program starts, written once as the window closes. A clean start
// (--fresh, for a lab machine many students share) neither reads nor writes them; the
// menu's Forget item clears them and puts the window back to its defaults.

#include <QPoint>
#include <QString>
#include <map>
#include <optional>

#include "ui/WindowCommandLine.h"

class MainDialog;

struct RememberedWindows {
  std::optional<Language> language;  // none: the system's
  int zoom = 100;                    // per cent, one of FlowView::kZoomLevels
  // Top-left frame corners in screen pixels, by window: "main", "theory", "charts", "legend".
  std::map<QString, QPoint> positions;
};

class WindowMemory {
 public:
  // With `remember` false nothing is read or written.
  explicit WindowMemory(bool remember);

  // What the last run left; the defaults on a clean start or the first run.
  RememberedWindows load() const;
  // The window's state now, for the next run.
  void save(const MainDialog& window) const;
  // Every remembered value gone.
  void forget() const;

 private:
  bool remember;
};
