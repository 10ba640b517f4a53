// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A test fixture: a flat plate at zero incidence in a 600 x 300 picture, the leading edge at
// (200, 150), and a helper that places a tracer.
#include <gtest/gtest.h>

#include "model/FlowModel.h"
#include "model/Tracer.h"

struct FlatPlate : ::testing::Test {
  FlatPlate() {
    model.setView(600, 300);
    model.setFreeStream(450, 273, 100000);
    model.setDensity(1.234);
    model.setPlateAngle(0);
  }
  static Tracer at(double x, double y, double vx, double vy) {
    Tracer t;
    t.x = x;
    t.y = y;
    t.vx = vx;
    t.vy = vy;
    return t;
  }
  FlowModel model;
};
