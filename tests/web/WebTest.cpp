// SPDX-License-Identifier: GPL-3.0-or-later
// The page's session against the batch tool's: the same picture in RGBA, the keys' rule for
// turning, and a link's parameters kept, dropped or clamped.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdint>
#include <string>

#include "session/Session.h"
#include "web/LinkOptions.h"
#include "web/WebSession.h"

namespace {

// The number of pixels where the page's RGBA frame and the batch tool's picture differ.
int differingPixels(const WebSession& web, const QImage& picture) {
  const std::uint8_t* rgba = web.frame();
  int differing = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb pixel = picture.pixel(x, y);
      const std::uint8_t* p = rgba + 4 * (y * picture.width() + x);
      if (p[0] != qRed(pixel) || p[1] != qGreen(pixel) || p[2] != qBlue(pixel) || p[3] != 255)
        ++differing;
    }
  }
  return differing;
}

TEST(WebSession, ShowsTheBatchToolsPictureTickForTick) {
  struct Case {
    LinkParameters link;
    SessionOptions native;
  };
  SessionOptions fast;
  fast.velocity = "900";
  fast.angle = 12.5;
  const Case cases[] = {{{}, {}}, {{"900", std::nullopt, std::nullopt, "12.5"}, fast}};
  for (const Case& c : cases) {
    WebSession web(readLink(c.link));
    Session native(c.native);
    ASSERT_EQ(web.width(), native.picture().width());
    ASSERT_EQ(web.height(), native.picture().height());
    for (int ticks = 0; ticks < 3; ++ticks) {
      EXPECT_EQ(differingPixels(web, native.picture()), 0) << "after " << ticks << " ticks";
      web.tick();
      native.animation().onTick();
    }
  }
}

TEST(WebSession, TurnsAsTheWindowsKeysAndLeavesALimitAlone) {
  WebSession web(readLink({std::nullopt, std::nullopt, std::nullopt, "74.5"}));
  EXPECT_TRUE(web.turnBy(1.0));   // clamped to 75°
  EXPECT_FALSE(web.turnBy(1.0));  // at the limit nothing happens
  EXPECT_FALSE(web.turnTo(75.0));
  EXPECT_TRUE(web.turnTo(-3.0));  // to 0°
  EXPECT_FALSE(web.turnTo(std::nan("")));
  EXPECT_NE(web.stateJson().find("\"alphaText\":\"0.00\""), std::string::npos);
}

TEST(LinkOptions, KeepsDropsOrClampsEachParameter) {
  struct Case {
    LinkParameters link;
    std::optional<std::string> velocity;
    std::optional<double> angle;
    std::size_t notes;
    const char* firstUsed;
  };
  const Case cases[] = {
      {{}, std::nullopt, std::nullopt, 0, ""},
      {{"600", "300", "90000", "20"}, "600", 20.0, 0, ""},
      {{"fast", std::nullopt, std::nullopt, ""}, std::nullopt, std::nullopt, 2, ""},
      {{"450abc", std::nullopt, std::nullopt, "nan"}, std::nullopt, std::nullopt, 2, ""},
      {{"1e400", std::nullopt, std::nullopt, std::nullopt}, std::nullopt, std::nullopt, 1, ""},
      {{"-5", std::nullopt, std::nullopt, "1e9"}, "0", 75.0, 2, "0"},
      {{" 450", std::nullopt, std::nullopt, "-0.5"}, std::nullopt, 0.0, 2, ""},
  };
  for (const Case& c : cases) {
    const LinkSession session = readLink(c.link);
    EXPECT_EQ(session.velocity, c.velocity) << c.link.velocity.value_or("(none)");
    EXPECT_EQ(session.angle, c.angle) << c.link.angle.value_or("(none)");
    ASSERT_EQ(session.notes.size(), c.notes) << c.link.velocity.value_or("(none)");
    if (c.notes > 0) {
      EXPECT_EQ(session.notes.front().used, c.firstUsed);
    }
  }
}

}  // namespace
