// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/FlowAnimation.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>

#include "canvas/Canvas.h"
#include "canvas/Palette.h"
#include "model/FlowModel.h"
#include "model/Truncate.h"
#include "platform/VectorState.h"
#include "view/SceneFont.h"
#include "view/ViewHost.h"

namespace {
constexpr double kEntrySpeed = 3.0;                      // pixels per step
constexpr double kOffsetFactor = 3.0518509475997192e-6;  // 1/327670: up to W/10 left
constexpr double kTenth = 0.1;
constexpr double kThirtieth = 0.03333333333333333;

// A particle that can no longer move on its own: no speed at all, or a speed
// or place that is not a number any more (no bound test ever fails on NaN).
bool stalled(const Tracer& t) {
  const bool finite =
      std::isfinite(t.vx) && std::isfinite(t.vy) && std::isfinite(t.x) && std::isfinite(t.y);
  return !finite || (t.vx == 0.0 && t.vy == 0.0);
}
}  // namespace

FlowAnimation::FlowAnimation(FlowModel& model, ViewHost& host) : model(model), host(host) {}

FlowAnimation::~FlowAnimation() = default;

void FlowAnimation::attach(int width, int height) {
  if (attached) return;
  attached = true;
  host.createFrame(width, height);
  model.setView(width, height);
  Canvas& canvas = host.frameCanvas();
  canvas.setTransparentBackground();
  canvas.selectFont(Font{kSceneFontFace, 70});
  // The start-up angle: the leading edge points at the top-left corner.
  onMouseMove(kLeftButton, 0, 0);
  tracerList.resize(kTracerCount);
  bubbleList.resize(kBubbleCount);
  for (auto& b : bubbleList) b = std::make_unique<PressureBubble>();
  respawnAll();
  host.startTimer(kStartInterval);
}

void FlowAnimation::respawnAll() {
  for (std::size_t i = 0; i < tracerList.size(); ++i) respawnTracer(i);
  for (std::size_t i = 0; i < bubbleList.size(); ++i) respawnBubble(i);
}

std::size_t FlowAnimation::respawnStalled() {
  std::size_t count = 0;
  for (std::size_t i = 0; i < tracerList.size(); ++i) {
    if (!stalled(tracerList[i])) continue;
    respawnTracer(i);
    ++count;
  }
  for (std::size_t i = 0; i < bubbleList.size(); ++i) {
    if (!bubbleList[i] || !stalled(*bubbleList[i])) continue;
    respawnBubble(i);
    ++count;
  }
  return count;
}

void FlowAnimation::setTimerEnabled(bool on) {
  if (on) {
    host.startTimer(kRestartInterval);
  } else {
    host.stopTimer();
  }
}

void FlowAnimation::retrace() {
  clearUpperVectorState();
  model.reconfigure();
  // Streamline 0 is traced twice: the first trace is the first tracer to
  // meet the freshly configured fans and fixes their exit velocity.
  streamlineList[0].trace(model, 0.0);
  streamlineList[0].trace(model, static_cast<double>(model.viewHeight));
  for (std::size_t i = 1; i < kStreamlineCount; ++i) traceStreamline(i);
}

void FlowAnimation::compose() {
  Canvas& canvas = host.frameCanvas();
  canvas.fillRect(0, 0, model.viewWidth, model.viewHeight, palette::kWhite);
  // Plain tracers are known to be plain: no virtual dispatch per tracer.
  for (Tracer& t : tracerList) t.Tracer::draw(canvas, model);
  for (const auto& b : bubbleList) b->draw(canvas, model);
  for (Streamline& s : streamlineList) s.draw(canvas, model);
  model.drawScene(canvas);
  host.present();
}

void FlowAnimation::onTick() {
  advance();
  compose();
}

void FlowAnimation::advance() {
  // Each tracer meets the zones before it steps, and no zone looks at another
  // tracer, so the zones may take a block of tracers at a time; a block
  // stays in the cache from the zones' first loop to the last step.
  const std::span<Tracer> all(tracerList);
  for (std::size_t first = 0; first < all.size(); first += kBlock) {
    const std::size_t count = std::min(kBlock, all.size() - first);
    model.applyZones(all.subspan(first, count));
    // While this block steps, the next one is fetched from memory; with a
    // large cloud the pass would otherwise wait for it.
    const std::size_t ahead = std::min(count, all.size() - first - count);
    for (std::size_t i = first; i < first + count; ++i) {
      if (i - first < ahead) __builtin_prefetch(&tracerList[i + count], 1);
      if (!tracerList[i].step(model)) respawnTracer(i);
    }
  }
  for (std::size_t i = 0; i < bubbleList.size(); ++i) {
    model.applyZones(*bubbleList[i]);
    if (!bubbleList[i]->step(model)) respawnBubble(i);
  }
}

void FlowAnimation::onMouseMove(int buttons, int x, int y) {
  if (model.dragPlate(buttons, x, y)) {
    redrawAfterTurn();
  } else {
    host.requestProbe(x, y);
  }
}

void FlowAnimation::turnPlate(double alpha) {
  model.setPlateAngle(alpha);
  redrawAfterTurn();
}

void FlowAnimation::redrawAfterTurn() {
  model.drawScene(host.frameCanvas());
  retrace();
  compose();
}

void FlowAnimation::respawnTracer(std::size_t i) {
  // The first number decides the height, the second the offset to the left.
  const std::int64_t h = model.viewHeight;
  const std::int64_t w = model.viewWidth;
  const auto y = static_cast<int>((random.next() * h) / Random::kMax);
  const int x = truncToInt(-static_cast<double>(random.next() * w) * kOffsetFactor);
  tracerList[i].reset(x, y, kEntrySpeed);
}

void FlowAnimation::respawnBubble(std::size_t i) {
  if (i >= bubbleList.size() || !bubbleList[i]) return;
  const std::int64_t w = model.viewWidth;
  int y = 0;
  if (i == 0) {
    // 20 to 70 pixels above the leading edge.
    const std::int64_t d = (random.next() * std::int64_t{50}) / Random::kMax;
    y = truncToInt((model.leadingEdgeY - 20.0) - static_cast<double>(d));
  } else {
    // 20 to 120 pixels below it.
    const std::int64_t d = (random.next() * std::int64_t{100}) / Random::kMax;
    y = truncToInt((static_cast<double>(d) + model.leadingEdgeY) + 20.0);
  }
  const int x = truncToInt(-static_cast<double>(random.next() * w) * kOffsetFactor);
  bubbleList[i]->reset(x, y, kEntrySpeed);
}

void FlowAnimation::traceStreamline(std::size_t i) {
  const std::int64_t h = model.viewHeight;
  const double startY = static_cast<double>((static_cast<std::int64_t>(i) + 1) * h) * kTenth -
                        static_cast<double>(h) * kThirtieth - 100.0;
  streamlineList[i].trace(model, startY);
}
