// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The animated picture without any toolkit: ten thousand tracers, two
// pressure bubbles and twelve streamlines moved through the flow model and
// composed into whole frames, plus the mouse path that turns the plate.
//
// The order of every pass is part of the behaviour: the expansion fans
// remember the last tracer they examined, so tracers 0..9999, then bubbles
// 0 and 1, always reach the zones in that order.

#include <cstddef>
#include <memory>
#include <vector>

#include "model/Tracer.h"
#include "platform/LargePages.h"
#include "view/PressureBubble.h"
#include "view/Random.h"
#include "view/Streamline.h"

class FlowModel;
class ViewHost;

// The tracers lie on large pages: the array is swept whole twice every tick.
using TracerList = std::vector<Tracer, LargePageAllocator<Tracer>>;

class FlowAnimation {
 public:
  static constexpr std::size_t kTracerCount = 10000;
  static constexpr std::size_t kBubbleCount = 2;
  static constexpr std::size_t kStreamlineCount = 12;
  // Tracers the zone pass takes at a time: 28 kB, within the first-level cache.
  static constexpr std::size_t kBlock = 512;
  static constexpr int kStartInterval = 25;    // ms, from attach
  static constexpr int kRestartInterval = 20;  // ms, after any restart
  static constexpr int kLeftButton = 1;

  FlowAnimation(FlowModel& model, ViewHost& host);
  ~FlowAnimation();
  FlowAnimation(const FlowAnimation&) = delete;
  FlowAnimation& operator=(const FlowAnimation&) = delete;

  // Sizes the frame and the model, sets the start-up plate angle through a
  // simulated left-button drag at (0, 0), creates the tracers and bubbles
  // and starts the timer. Only the first call counts: a second one would
  // respawn every tracer.
  void attach(int width, int height);
  bool isAttached() const { return attached; }
  void setTimerEnabled(bool on);
  // Reconfigures the zones and traces all twelve streamlines.
  void retrace();
  // A whole frame: white, tracers, bubbles, streamlines, scene; then shown.
  void compose();
  // One timer tick: advance(), then a whole frame.
  void onTick();
  // The zone pass, the step and the respawns of one tick, without drawing.
  void advance();
  // A paint the view did not ask for (the window was uncovered, say) composes
  // a frame, and so moves the tracers a step.
  void onPaintRequest() { compose(); }
  // With the left button held the plate follows the mouse; otherwise the
  // window is asked to probe the flow at (x, y).
  void onMouseMove(int buttons, int x, int y);
  // Sets the plate angle directly (clamped to 0..75 degrees) and redraws
  // exactly as a successful drag does.
  void turnPlate(double alpha);

  void respawnTracer(std::size_t i);
  void respawnBubble(std::size_t i);
  // Every tracer and bubble, in the start-up order, from the session's one
  // random sequence.
  void respawnAll();
  // Respawns, in index order, every tracer and bubble whose velocity is zero
  // or not finite (a vanished or broken free stream stopped it where it was:
  // it would never leave the picture). Returns how many were respawned.
  std::size_t respawnStalled();
  void traceStreamline(std::size_t i);

  const TracerList& tracers() const { return tracerList; }
  const std::vector<std::unique_ptr<PressureBubble>>& bubbles() const { return bubbleList; }
  const std::vector<Streamline>& streamlines() const { return streamlineList; }
  TracerList& tracers() { return tracerList; }
  FlowModel& flowModel() const { return model; }

 private:
  // After the plate turned: the scene, the streamlines and a frame at once.
  void redrawAfterTurn();

  FlowModel& model;
  ViewHost& host;
  bool attached = false;
  Random random;
  TracerList tracerList;
  std::vector<Streamline> streamlineList = std::vector<Streamline>(kStreamlineCount);
  std::vector<std::unique_ptr<PressureBubble>> bubbleList;
};
