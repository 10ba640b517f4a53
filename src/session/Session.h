// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One flow session without a window, with the window's frame: the answers of SessionCore and
// the picture as the user would see it.
//
// The frame draws text, so a QGuiApplication must exist while a session is built or drawn.

#include "session/OffscreenHost.h"
#include "session/SessionCore.h"

class Session final : public SessionCore {
 public:
  explicit Session(const SessionOptions& options);

  const OffscreenHost& host() const { return frameHost; }
  // The picture as the user would see it after the last composed frame.
  const QImage& picture() const { return frameHost.screenImage(); }

 private:
  OffscreenHost frameHost;
};
