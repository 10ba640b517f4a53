// SPDX-License-Identifier: GPL-3.0-or-later
// zerkon: steady supersonic flow around a thin flat plate, animated.
#include "ui/FlowApp.h"

int main(int argc, char** argv) {
  FlowApp app(argc, argv);
  return app.run();
}
