// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

#include "canvas/Canvas.h"
#include "model/FlowModel.h"
#include "model/Truncate.h"
#include "numeric/Elementary.h"
#include "platform/FixedText.h"

namespace {
constexpr double kReferenceLength = 40;  // pixels, left of the centre
constexpr double kForceScale = 0.002;    // pixels per Pa
constexpr double kMinForce = 15;         // pixels
constexpr double kHeadLength = 15;       // pixels
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kHeadAngle = 0.19634954084936207;  // pi/16
constexpr double kLabelRise = 15;                   // pixels
constexpr double kSevenSixteenthsPi = 1.3744467859455345;
constexpr double kNineSixteenthsPi = 1.7671458676442586;
constexpr int kArcRadius = 25;  // pixels
constexpr double kDegreesPerRadian = 57.29577951308232;

// A label on the stack, so that a frame allocates nothing: prefix, number, suffix.
template <class Char>
class LabelText {
 public:
  LabelText(std::basic_string_view<Char> prefix, const std::string& number,
            std::basic_string_view<Char> suffix) {
    for (const Char c : prefix) add(c);
    for (const char c : number) add(static_cast<Char>(c));
    for (const Char c : suffix) add(c);
  }
  std::basic_string_view<Char> view() const { return {text.data(), length}; }

 private:
  // A finite double has at most 309 digits before its point: nothing is ever cut.
  void add(Char c) {
    if (length < text.size()) text[length++] = c;
  }
  std::array<Char, 400> text{};
  std::size_t length = 0;
};
}  // namespace

void FlowModel::drawScene(Canvas& canvas, const FacePressures& faces) {
  const double cx = centreX;
  const double cy = centreY;
  const double length = halfLength;
  const double a = angle;
  const int centreXi = truncToInt(cx);
  const int centreYi = truncToInt(cy);
  const int leadingX = truncToInt(cx - length * numeric::cos(a));
  const int leadingY = truncToInt(cy - length * numeric::sin(a));
  const int trailingX = truncToInt(cx + length * numeric::cos(a));
  const int trailingY = truncToInt(cy + length * numeric::sin(a));

  canvas.selectPen(platePen);
  canvas.moveTo(leadingX, leadingY);
  canvas.lineTo(trailingX, trailingY);

  // The undisturbed stream at the heights of the two edges.
  canvas.selectPen(dashDotPen);
  canvas.moveTo(0, leadingY);
  canvas.lineTo(leadingX, leadingY);
  canvas.moveTo(viewWidth, trailingY);
  canvas.lineTo(trailingX, trailingY);

  canvas.selectPen(thinPen);
  canvas.moveTo(truncToInt(cx - kReferenceLength), centreYi);
  canvas.lineTo(centreXi, centreYi);

  // Force estimate from the pressures 20 pixels above and below the centre.
  const double force = (faces.below - faces.above) * kForceScale;
  if (force > kMinForce) {
    const double fx = force * numeric::sin(a);
    const double fy = force * numeric::cos(a);
    // The arrow stands normal to the plate, away from its upper face.
    const double tipX = cx + fx;
    const double tipY = cy - fy;
    const double theta1 = kHalfPi - a - kHeadAngle;
    const double theta2 = kHalfPi - a + kHeadAngle;
    canvas.moveTo(centreXi, centreYi);
    canvas.lineTo(truncToInt(tipX), truncToInt(tipY));
    canvas.lineTo(truncToInt(tipX - kHeadLength * numeric::cos(theta1)),
                  truncToInt(tipY + kHeadLength * numeric::sin(theta1)));
    canvas.moveTo(truncToInt(tipX), truncToInt(tipY));
    canvas.lineTo(truncToInt(tipX - kHeadLength * numeric::cos(theta2)),
                  truncToInt(tipY + kHeadLength * numeric::sin(theta2)));

    canvas.textOut(truncToInt(cx + fx), truncToInt(cy - kLabelRise),
                   LabelText<char>("Fx = ", fixedText(fx, 2), " H").view());
    canvas.textOut(centreXi, truncToInt(cy - fy - kLabelRise),
                   LabelText<char>("Fy = ", fixedText(fy, 2), " H").view());

    // Vertical component, always with its head.
    canvas.moveTo(centreXi, centreYi);
    canvas.lineTo(centreXi, truncToInt(cy - fy));
    canvas.lineTo(truncToInt(cx - kHeadLength * numeric::cos(kSevenSixteenthsPi)),
                  truncToInt(cy - fy + kHeadLength * numeric::sin(kSevenSixteenthsPi)));
    canvas.moveTo(centreXi, truncToInt(cy - fy));
    canvas.lineTo(truncToInt(cx - kHeadLength * numeric::cos(kNineSixteenthsPi)),
                  truncToInt(cy - fy + kHeadLength * numeric::sin(kNineSixteenthsPi)));

    // Horizontal component; a head only when it is longer than a head.
    canvas.moveTo(centreXi, centreYi);
    canvas.lineTo(truncToInt(cx + fx), centreYi);
    if (fx > kMinForce) {
      canvas.lineTo(truncToInt(cx + fx - kHeadLength * numeric::cos(-kHeadAngle)),
                    truncToInt(cy + kHeadLength * numeric::sin(-kHeadAngle)));
      canvas.moveTo(truncToInt(cx + fx), centreYi);
      canvas.lineTo(truncToInt(cx + fx - kHeadLength * numeric::cos(kHeadAngle)),
                    truncToInt(cy + kHeadLength * numeric::sin(kHeadAngle)));
    }
  }

  // The angle of attack: an arc from the reference line up to the plate.
  const double degrees = a * kDegreesPerRadian;
  canvas.moveTo(centreXi, centreYi);
  canvas.angleArc(centreXi, centreYi, kArcRadius, 180.0f,
                  static_cast<float>(-a * kDegreesPerRadian));
  canvas.drawText(truncToInt(cx - 70), centreYi, truncToInt(cx + 10), truncToInt(cy + 70),
                  LabelText<char16_t>(u"\u03b1 = ", fixedText(degrees, 2), u"\u00b0").view());

  for (const auto& zone : zones) zone->draw(canvas);
}
