#pragma once
// One flow session, built exactly as the window builds itself at start-up and then turned and
// run as asked: the window's own model, field, view and frame classes do all the work.
//
// The frame draws text, so a QGuiApplication must exist while a session is built or drawn.

#include <optional>
#include <string>
#include <vector>

#include "model/FlowModel.h"
#include "ui/MainDialogLogic.h"
#include "view/FlowAnimation.h"
#include "view/FrameHost.h"

struct PixelPoint {
  int x = 0;  // pixels, rightwards from the picture's left edge
  int y = 0;  // pixels, downwards from its top edge
};

struct SessionOptions {
  static constexpr int kPictureWidth = 672;   // the window's picture, pixels
  static constexpr int kPictureHeight = 465;  // pixels

  // The free-stream input fields as typed; absent ones keep the window's start-up text.
  std::optional<std::string> velocity;     // V1, read as m/s
  std::optional<std::string> temperature;  // T1, read as K
  std::optional<std::string> pressure;     // P1, read as Pa
  int width = kPictureWidth;               // pixels
  int height = kPictureHeight;             // pixels
  std::vector<PixelPoint> drags;           // left-button mouse positions, in order
  std::optional<double> angle;             // angle of attack set after the drags, degrees
  int ticks = 0;                           // animation timer ticks run last
};

class Session final {
 public:
  // Free stream, picture, drags, angle, ticks: the order in which the window would see them.
  explicit Session(const SessionOptions& options);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // The window's probe at (x, y): samples the flow from the shown free stream and fills the
  // nine local fields.
  FlowSample probe(PixelPoint point);

  FlowModel& model() { return flow; }
  const FlowModel& model() const { return flow; }
  TextFields& fields() { return texts; }
  const TextFields& fields() const { return texts; }
  FlowAnimation& animation() { return animator; }
  const FlowAnimation& animation() const { return animator; }
  const OffscreenHost& host() const { return frameHost; }
  // The picture as the user would see it after the last composed frame.
  const QImage& picture() const { return frameHost.screenImage(); }

 private:
  FlowModel flow;
  TextFields texts;
  OffscreenHost frameHost;
  // Declared last: it holds references to the model and the host.
  FlowAnimation animator{flow, frameHost};
};
