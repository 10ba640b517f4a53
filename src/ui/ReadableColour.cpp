// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ReadableColour.h"

#include <algorithm>
#include <cmath>

namespace {
// WCAG 2.1, "relative luminance": sRGB channels linearised, weighted 0.2126, 0.7152, 0.0722.
double luminance(const QColor& colour) {
  const auto linear = [](double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
         0.0722 * linear(colour.blueF());
}

QColor mixed(const QColor& from, const QColor& to, double share) {
  const auto one = [share](double a, double b) { return a + (b - a) * share; };
  return QColor::fromRgbF(static_cast<float>(one(from.redF(), to.redF())),
                          static_cast<float>(one(from.greenF(), to.greenF())),
                          static_cast<float>(one(from.blueF(), to.blueF())));
}
}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& wanted, const QColor& background, double ratio) {
  const QColor end = luminance(background) < 0.18 ? QColor(Qt::white) : QColor(Qt::black);
  constexpr int kSteps = 40;
  for (int step = 0; step <= kSteps; ++step) {
    const QColor tried = mixed(wanted, end, static_cast<double>(step) / kSteps);
    if (contrastRatio(tried, background) >= ratio) return tried;
  }
  return end;
}
