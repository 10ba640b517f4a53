// SPDX-License-Identifier: GPL-3.0-or-later
// The window under whatever a student does to it: any text typed into the free-stream
// inputs, a thousand wild drags and moves, and the picture still animates afterwards.
#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "app/NumberText.h"
#include "model/FlowModel.h"
#include "ui/MainDialog.h"
#include "ui/NumberField.h"
#include "view/FlowView.h"

namespace {

constexpr FieldId kInputs[] = {FieldId::V1, FieldId::T1, FieldId::P1};
constexpr FieldId kProbeFields[] = {FieldId::T,  FieldId::P, FieldId::Rho,  FieldId::C, FieldId::M,
                                    FieldId::V0, FieldId::V, FieldId::Vphi, FieldId::Vr};

struct BadText {
  const char* name;
  QString text;
};

const std::vector<BadText>& badTexts() {
  static const std::vector<BadText> texts = [] {
    QString digits;
    while (digits.size() < 100000) digits += QStringLiteral("9876543210");
    return std::vector<BadText>{
        {"empty", QString()},
        {"letters", QStringLiteral("abc")},
        {"trailing letters", QStringLiteral("12abc")},
        {"zero", QStringLiteral("0")},
        {"minus zero", QStringLiteral("-0")},
        {"negative", QStringLiteral("-450")},
        {"overflow", QStringLiteral("1e309")},
        {"negative overflow", QStringLiteral("-1e309")},
        {"subnormal", QStringLiteral("1e-320")},
        {"nan", QStringLiteral("nan")},
        {"inf", QStringLiteral("inf")},
        {"hexadecimal", QStringLiteral("0x10")},
        {"leading space", QStringLiteral(" 450")},
        {"exponent", QStringLiteral("4.5e2")},
        {"bare exponent", QStringLiteral("1e")},
        {"bare point", QStringLiteral(".")},
        {"full-width digits", QString::fromUtf8("\xef\xbc\x91\xef\xbc\x92")},
        {"100000 digits", digits},
    };
  }();
  return texts;
}

class WindowRobustness : public testing::Test {
 protected:
  void SetUp() override {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  FlowView& view() { return window.flowView(); }
  std::string shown(FieldId id) const { return window.field(id).text().toStdString(); }

  // Replaces the text as a user would: click in, select all, then type it, or paste it
  // when it is too long to type key by key.
  void enter(FieldId id, const QString& text) {
    NumberField& f = window.field(id);
    f.setFocus();
    ASSERT_TRUE(f.hasFocus());
    f.selectAll();
    if (text.isEmpty()) {
      QTest::keyClick(&f, Qt::Key_Backspace);
    } else if (text.size() > 100) {
      f.insert(text);
    } else {
      for (const QChar c : text) typeCharacter(f, c);
    }
  }
  // QTest spells out only ASCII keys; anything else arrives as a key with its text, as an
  // input method delivers it.
  static void typeCharacter(NumberField& f, QChar c) {
    if (c.unicode() < 128) {
      QTest::keyClick(&f, c.toLatin1());
    } else {
      QTest::sendKeyEvent(QTest::Click, &f, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
  void leave(FieldId id) {
    QTest::keyClick(&window.field(id), Qt::Key_Tab);
    ASSERT_FALSE(window.field(id).hasFocus());
  }

  // The free stream the model uses is what the fields show, and every derived field
  // shows the formula's value by the number text rules.
  void expectHonestFreeStream() {
    EXPECT_EQ(model.velocity, parseNumber(shown(FieldId::V1)));
    EXPECT_EQ(model.temperature, parseNumber(shown(FieldId::T1)));
    EXPECT_EQ(model.pressure, parseNumber(shown(FieldId::P1)));
    const FreeStreamDerived d = model.deriveFreeStream();
    EXPECT_EQ(shown(FieldId::Rho1), formatNumber(d.density));
    EXPECT_EQ(shown(FieldId::C1), formatNumber(d.soundSpeed));
    EXPECT_EQ(shown(FieldId::M1), formatNumber(d.mach));
    EXPECT_EQ(shown(FieldId::V01), formatNumber(d.specificVolume));
  }

  // A probe below the plate shows what the same probe on plain texts shows.
  void expectHonestProbe(const QPoint& at) {
    QTest::mouseMove(&view(), at + QPoint(1, 1));
    QTest::mouseMove(&view(), at);
    StoredFieldTexts expected;
    for (const FieldId id : kAttachOrder) expected.setText(id, shown(id));
    // The plain texts' probe works on a model of its own, set up like the window's.
    FlowModel twin;
    twin.setView(kPictureWidth, kPictureHeight);
    twin.setFreeStream(model.velocity, model.temperature, model.pressure);
    twin.setDensity(model.density);
    twin.setPlateAngle(model.angle);
    showProbe(expected, twin, at.x(), at.y());
    for (const FieldId id : kProbeFields) EXPECT_EQ(shown(id), expected.text(id));
  }

  // Still open, the timer still running and firing, and the picture still moving.
  void expectAnimating() {
    EXPECT_TRUE(window.isVisible());
    ASSERT_TRUE(view().timer().isActive());
    QSignalSpy ticks(&view().timer(), &QTimer::timeout);
    QTest::qWait(200);
    EXPECT_GE(ticks.count(), 2);
    const QImage first = view().grab().toImage();
    QTest::qWait(60);
    const QImage second = view().grab().toImage();
    EXPECT_EQ(first.size(), view().size());
    EXPECT_NE(first, second);
  }

  FlowModel model;
  MainDialog window{model};
};

TEST_F(WindowRobustness, AnyTextInAnyInputIsShownAsTypedAndUsedAsRead) {
  const QPoint belowThePlate(300, 330);
  for (const FieldId id : kInputs) {
    const QString start = window.field(id).text();
    for (const BadText& bad : badTexts()) {
      SCOPED_TRACE(std::to_string(static_cast<int>(id)) + " = " + bad.name);
      enter(id, bad.text);
      leave(id);
      // A line edit holds at most maxLength() characters, whatever is pasted.
      EXPECT_EQ(window.field(id).text(), bad.text.left(window.field(id).maxLength()));
      expectHonestFreeStream();
      expectHonestProbe(belowThePlate);
      EXPECT_TRUE(window.isVisible());
    }
    enter(id, start);
    leave(id);
  }
  expectAnimating();
}

TEST_F(WindowRobustness, AThousandWildDragsAndMovesLeaveItAnimating) {
  // Fixed seed: the same gestures on every run. Positions reach well outside the picture;
  // a held button keeps sending them to it.
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> xs(-400, kPictureWidth + 400);
  std::uniform_int_distribution<int> ys(-400, kPictureHeight + 400);
  std::uniform_int_distribution<int> gestures(0, 2);
  const auto somewhere = [&] { return QPoint(xs(random), ys(random)); };
  // The gestures must reach the picture: some turn the plate, some probe.
  QSignalSpy probes(&view(), &FlowView::probeRequested);
  int turns = 0;
  for (int i = 0; i < 1000; ++i) {
    const QPoint from = somewhere();
    const QPoint to = somewhere();
    const double before = model.angle;
    switch (gestures(random)) {
      case 0:  // a drag
        QTest::mousePress(&view(), Qt::LeftButton, {}, from);
        QTest::mouseMove(&view(), to);
        QTest::mouseRelease(&view(), Qt::LeftButton, {}, to);
        break;
      case 1:  // a plain move: a probe where it lands on the picture
        QTest::mouseMove(&view(), from);
        QTest::mouseMove(&view(), to);
        break;
      default:  // a click
        QTest::mouseClick(&view(), Qt::LeftButton, {}, from);
        break;
    }
    const double angle = model.angle;
    ASSERT_TRUE(angle >= 0 && angle <= FlowModel::kMaxAngle) << i;
    turns += angle != before;
    if (i % 50 == 0) QTest::qWait(1);  // let the timer in now and then
  }
  EXPECT_GT(turns, 200);
  EXPECT_GT(probes.count(), 100);
  expectAnimating();
}

}  // namespace
