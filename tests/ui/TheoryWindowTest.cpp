// SPDX-License-Identifier: GPL-3.0-or-later
// The theory window beside the picture, and the keyboard that turns the plate: how the window
// opens, that it follows the plate and the free stream, what it says about each regime, and
// that neither it nor the keyboard changes a single bit of the animation.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "model/FanZone.h"
#include "model/FlowModel.h"
#include "model/LowerFan.h"
#include "model/LowerShock.h"
#include "model/ShockZone.h"
#include "model/UpperFan.h"
#include "model/UpperShock.h"
#include "ui/MainDialog.h"
#include "ui/NumberField.h"
#include "ui/TheoryWindow.h"
#include "view/FlowView.h"
#ifdef ZERKON_TEST_SESSION
#include "session/Session.h"
#endif

namespace {

constexpr double kDegree = std::numbers::pi / 180;

// Every number the animation keeps about its zones and streamlines, as raw bits.
std::vector<std::uint64_t> fingerprint(const FlowAnimation& animation) {
  std::vector<std::uint64_t> bits;
  const auto add = [&bits](double v) { bits.push_back(std::bit_cast<std::uint64_t>(v)); };
  const FlowModel& m = animation.flowModel();
  add(m.angle), add(m.leadingEdgeY);
  for (const auto slot : FlowModel::kSlots) {
    const FlowZone& z = m.zone(slot);
    add(z.originX), add(z.originY), add(z.lowerSide), add(z.plateAngle), add(z.halfLength);
    add(z.upstream.pressure), add(z.upstream.temperature), add(z.upstream.velocity);
    add(z.upstream.soundSpeed), add(z.upstream.mach);
    if (const auto* s = dynamic_cast<const ShockZone*>(&z)) {
      add(s->frontAngle), add(s->criticalSpeed), add(s->normalSpeed), add(s->crossSpeed);
    }
    if (const auto* f = dynamic_cast<const FanZone*>(&z)) {
      add(f->firstRayAngle), add(f->lastRayAngle), add(f->previousClass), add(f->exitVx);
      add(f->exitVy), add(f->currentClass), add(f->lastValue), add(f->lastChange);
    }
  }
  for (const Streamline& s : animation.streamlines()) {
    add(static_cast<double>(s.points.size()));
    for (const PathPoint& p : s.points) add(p.x), add(p.y);
  }
  return bits;
}

std::vector<std::uint64_t> tracerBits(const FlowAnimation& animation) {
  std::vector<std::uint64_t> bits;
  for (const Tracer& t : animation.tracers())
    for (const double v : {t.x, t.y, t.vx, t.vy}) bits.push_back(std::bit_cast<std::uint64_t>(v));
  return bits;
}

bool showsNoNonNumber(const QString& text) {
  static const QRegularExpression nonNumber(QStringLiteral("\\b(nan|inf|infinity)\\b"),
                                            QRegularExpression::CaseInsensitiveOption);
  return !nonNumber.match(text).hasMatch();
}

const QPoint kCentre(kPictureWidth / 2, kPictureHeight / 2);

// A plain mouse move straight to the picture, whichever window lies on top.
void hover(FlowView& view, const QPoint& at) {
  QMouseEvent move(QEvent::MouseMove, at, view.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&view, &move);
}

class TheoryWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  FlowView& view() { return window.flowView(); }
  TheoryWindow& theory() {
    EXPECT_NE(window.theoryWindow(), nullptr);
    return *window.theoryWindow();
  }
  void openTheory() {
    QTest::keyClick(&window.field(FieldId::V1), Qt::Key_F2);
    ASSERT_NE(window.theoryWindow(), nullptr);
    ASSERT_TRUE(window.theoryWindow()->isVisible());
    // Back to the main window, as a student clicks into it to go on.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  // Replaces the text of a field as a user would and moves on with Tab.
  void enter(FieldId id, const QString& text) {
    NumberField& f = window.field(id);
    f.setFocus();
    f.selectAll();
    QTest::keyClicks(&f, text);
    QTest::keyClick(&f, Qt::Key_Tab);
    ASSERT_FALSE(f.hasFocus());
  }
  // The plate turns on a move with the button held, not on the press.
  void drag(const QPoint& to) {
    QTest::mousePress(&view(), Qt::LeftButton, {}, to + QPoint(1, 1));
    QTest::mouseMove(&view(), to);
    QTest::mouseRelease(&view(), Qt::LeftButton, {}, to);
  }
  void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}, int times = 1) {
    view().setFocus();
    ASSERT_TRUE(view().hasFocus());
    for (int i = 0; i < times; ++i) QTest::keyClick(&view(), key, modifiers);
  }

  FlowModel model;
  MainDialog window{model};
};

// --- Opening ---------------------------------------------------------------------------------

TEST_F(TheoryWindowTest, OpensFromTheContextMenuNextToAbout) {
  ASSERT_NE(window.theoryAction(), nullptr);
  EXPECT_EQ(window.theoryAction()->text(), QStringLiteral("Shock-expansion &theory..."));
  QStringList items;
  QTimer::singleShot(0, [&items, this] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (const QAction* a : menu->actions()) items << a->text();
    menu->close();
    window.theoryAction()->trigger();
  });
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(600, 400),
                          view().mapToGlobal(QPoint(600, 400)));
  QApplication::sendEvent(&view(), &event);
  const auto theoryAt = items.indexOf(QStringLiteral("Shock-expansion &theory..."));
  ASSERT_GE(theoryAt, 0);
  EXPECT_EQ(items.value(theoryAt + 1), QStringLiteral("&About zerkon..."));

  ASSERT_NE(window.theoryWindow(), nullptr);
  EXPECT_TRUE(theory().isVisible());
  EXPECT_EQ(theory().windowTitle(), QStringLiteral("Shock-expansion theory"));
}

TEST_F(TheoryWindowTest, F2OpensItNonModallyFromAFieldOrThePicture) {
  EXPECT_EQ(window.theoryWindow(), nullptr);
  openTheory();
  EXPECT_FALSE(theory().isModal());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(view().timer().isActive());
  EXPECT_TRUE(window.isVisible());

  // Closed and opened again from the focused picture: the same window.
  TheoryWindow* first = window.theoryWindow();
  theory().close();
  ASSERT_FALSE(first->isVisible());
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  press(Qt::Key_F2);
  EXPECT_EQ(window.theoryWindow(), first);
  EXPECT_TRUE(first->isVisible());

  // It goes away with the main window.
  window.close();
  EXPECT_FALSE(first->isVisible());
}

// --- Following the plate and the free stream ------------------------------------------------

TEST_F(TheoryWindowTest, FollowsDragsAndLeftFieldsOnlyWhileShown) {
  openTheory();
  EXPECT_EQ(theory().value("alpha"), QStringLiteral("34.62°"));
  EXPECT_EQ(theory().value("theta_max"), QStringLiteral("7.65°"));

  enter(FieldId::V1, QStringLiteral("900"));
  EXPECT_EQ(theory().value("velocity"), QStringLiteral("900.0 m/s"));
  EXPECT_EQ(theory().value("mach"), QStringLiteral("2.672"));
  EXPECT_EQ(theory().value("theta_max"), QStringLiteral("31.49°"));

  // The trailing edge follows the mouse: 100 px right, 100 px down is 45°.
  drag(kCentre + QPoint(100, 100));
  EXPECT_EQ(theory().value("alpha"), QStringLiteral("45.00°"));
  // 150 px right, 10 px down: a small angle, and the shock attaches.
  drag(kCentre + QPoint(150, 10));
  EXPECT_EQ(theory().value("alpha"), QStringLiteral("3.81°"));
  EXPECT_FALSE(theory().warns());
  EXPECT_NE(theory().value("lower.wave_angle"), QStringLiteral("—"));

  // Hidden, it is left alone; shown again, it has caught up.
  theory().close();
  drag(kCentre + QPoint(100, 100));
  enter(FieldId::V1, QStringLiteral("300"));
  EXPECT_EQ(theory().value("alpha"), QStringLiteral("3.81°"));
  EXPECT_EQ(theory().value("velocity"), QStringLiteral("900.0 m/s"));
  window.showTheory();
  EXPECT_EQ(theory().value("alpha"), QStringLiteral("45.00°"));
  EXPECT_EQ(theory().value("velocity"), QStringLiteral("300.0 m/s"));
}

TEST_F(TheoryWindowTest, EnterInAFieldRefreshesAsLeavingItDoes) {
  openTheory();
  NumberField& v1 = window.field(FieldId::V1);
  v1.setFocus();
  v1.selectAll();
  QTest::keyClicks(&v1, QStringLiteral("600"));
  EXPECT_EQ(theory().value("velocity"), QStringLiteral("450.0 m/s"));
  QTest::keyClick(&v1, Qt::Key_Return);
  EXPECT_EQ(theory().value("velocity"), QStringLiteral("600.0 m/s"));
}

// --- What it says ----------------------------------------------------------------------------

TEST_F(TheoryWindowTest, WarnsWhereThePictureIsNoLongerRealFlow) {
  openTheory();
  // The defaults at the start-up angle: far beyond the largest deflection.
  EXPECT_EQ(theory().regimeText(),
            QStringLiteral(
                "Detached shock: α = 34.62° is above θmax = 7.65°, so this picture cannot exist."));
  EXPECT_TRUE(theory().warns());
  EXPECT_EQ(theory().regimeColour(), TheoryWindow::kWarningColour);
  EXPECT_EQ(theory().value("lower.pressure"), QStringLiteral("—"));
  EXPECT_EQ(theory().value("lift"), QStringLiteral("—"));
  // Ackeret still answers, and the model still has its own pressures.
  EXPECT_NE(theory().value("linear_lift"), QStringLiteral("—"));
  EXPECT_EQ(theory().value("lower.model_pressure"), QStringLiteral("1.192"));

  enter(FieldId::V1, QStringLiteral("300"));
  EXPECT_EQ(theory().regimeText(),
            QStringLiteral("Subsonic free stream (M₁ = 0.891): this picture cannot exist."));
  EXPECT_TRUE(theory().warns());
  EXPECT_EQ(theory().value("theta_max"), QStringLiteral("—"));

  enter(FieldId::V1, QStringLiteral("4000"));
  EXPECT_TRUE(
      theory().regimeText().startsWith(QStringLiteral("Vacuum above the plate: beyond α =")))
      << theory().regimeText().toStdString();
  EXPECT_TRUE(theory().warns());

  // V₁ = 900 and the plate turned down by the keyboard to 4.62°: shock and fan, no warning.
  enter(FieldId::V1, QStringLiteral("900"));
  press(Qt::Key_Left, {}, 30);
  EXPECT_EQ(theory().value("alpha"), QStringLiteral("4.62°"));
  EXPECT_EQ(theory().regimeText(),
            QStringLiteral("Attached shock below, expansion fan above: a flow that can exist."));
  EXPECT_FALSE(theory().warns());
  EXPECT_NE(theory().regimeColour(), TheoryWindow::kWarningColour);
  // Compression below, expansion above; the model's pressures much closer to 1.
  EXPECT_GT(theory().value("lower.pressure").toDouble(), 1.2);
  EXPECT_LT(theory().value("upper.pressure").toDouble(), 0.8);
  EXPECT_LT(theory().value("lower.model_over_exact").toDouble(), 1.0);
  EXPECT_GT(theory().value("upper.model_over_exact").toDouble(), 1.0);
  for (const char* label : {"lower β", "lower M", "lower T/T₁", "lower ρ/ρ₁", "upper ν(M₁)+α",
                            "upper M", "upper T/T₁", "upper ρ/ρ₁", "c_n", "c_l", "c_d", "L/D",
                            "Ackeret c_l", "Ackeret c_d", "lift, 1 m chord", "drag, 1 m chord"})
    EXPECT_NE(theory().value(label), QStringLiteral("—")) << label;
  // Shock-expansion and Ackeret agree within a few per cent at this small angle.
  EXPECT_NEAR(theory().value("lift").toDouble() / theory().value("linear_lift").toDouble(), 1.0,
              0.05);
  EXPECT_TRUE(theory().value("lift_load").endsWith(QStringLiteral(" N/m")));

  // Flat: only Mach waves, which the picture may show.
  press(Qt::Key_Left, {}, 10);
  EXPECT_EQ(model.angle, 0.0);
  EXPECT_FALSE(theory().warns());
  EXPECT_TRUE(theory().regimeText().startsWith(QStringLiteral("No angle of attack")));
}

TEST_F(TheoryWindowTest, NeverShowsANonNumber) {
  openTheory();
  const char* velocities[] = {"450", "300", "0", "4000", "1e308", "abc", "-5"};
  const char* temperatures[] = {"273", "0", "-40", "1e-300"};
  for (const char* t : temperatures) {
    enter(FieldId::T1, QString::fromLatin1(t));
    for (const char* v : velocities) {
      enter(FieldId::V1, QString::fromLatin1(v));
      for (const QPoint& at : {kCentre + QPoint(100, 0), kCentre + QPoint(150, 10),
                               kCentre + QPoint(20, 200), kCentre + QPoint(0, -100)}) {
        drag(at);
        const QString text = theory().allText();
        EXPECT_TRUE(showsNoNonNumber(text)) << t << " K, " << v << " m/s\n" << text.toStdString();
        EXPECT_FALSE(theory().regimeText().isEmpty());
      }
    }
  }
}

// A screen reader walks the numbers as a table: Tab reaches each value, and each is named by
// its row and its column.
TEST_F(TheoryWindowTest, EveryValueIsNamedByItsRowAndColumn) {
  openTheory();
  QStringList names;
  for (const QLabel* label : theory().findChildren<QLabel*>()) {
    if (label->focusPolicy() != Qt::TabFocus) continue;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(const_cast<QLabel*>(label));
    ASSERT_NE(face, nullptr);
    names << face->text(QAccessible::Name);
  }
  for (const char* name : {"M₁", "c_l, Ackeret", "c_l, third order", "p/p₁, lower face: shock",
                           "c_p, second order, upper face: expansion"})
    EXPECT_TRUE(names.contains(QString::fromUtf8(name))) << name << "\n"
                                                         << names.join('|').toStdString();
  EXPECT_GE(names.size(), 30);
}

// --- The keyboard ----------------------------------------------------------------------------

TEST_F(TheoryWindowTest, AClickOrTabGivesThePictureTheKeyboard) {
  EXPECT_EQ(view().focusPolicy(), Qt::StrongFocus);
  window.field(FieldId::V1).setFocus();
  const double angle = model.angle;
  QTest::mouseClick(&view(), Qt::LeftButton, {}, kCentre + QPoint(100, 100));
  EXPECT_TRUE(view().hasFocus());
  // The click only took the keyboard: the plate lies where it was.
  EXPECT_EQ(model.angle, angle);
  // Escape in the picture does nothing at all.
  QTest::keyClick(&view(), Qt::Key_Escape);
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(model.angle, angle);
}

// One key press on the focused picture against the angle it must give: the angle to the bit,
// the plateTurned signal, and (with the batch session linked) every zone field and
// streamline point of a headless session turned to that angle by turnPlate.
class KeyboardTest : public TheoryWindowTest {
 protected:
  void SetUp() override {
    TheoryWindowTest::SetUp();
    // No tick may run between the window's turns and the session's.
    view().stopTimer();
  }

  void expectTurn(Qt::Key key, Qt::KeyboardModifiers modifiers, double degrees) {
    SCOPED_TRACE(testing::Message() << "key " << key << ", step " << degrees << "°");
    const double expected =
        std::clamp(model.angle + degrees * std::numbers::pi / 180, 0.0, FlowModel::kMaxAngle);
    const bool turns = expected != model.angle;
    QSignalSpy turned(&view(), &FlowView::plateTurned);
    const auto before = fingerprint(view().animation());
    press(key, modifiers);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(model.angle), std::bit_cast<std::uint64_t>(expected));
    EXPECT_EQ(turned.count(), turns ? 1 : 0);
    if (!turns) {
      EXPECT_EQ(fingerprint(view().animation()), before);
      return;
    }
#ifdef ZERKON_TEST_SESSION
    Session session{SessionOptions{}};
    session.animation().turnPlate(expected);
    EXPECT_EQ(fingerprint(view().animation()), fingerprint(session.animation()));
#endif
  }
};

TEST_F(KeyboardTest, ArrowsPlusAndMinusTurnByADegreeOrATenthWithShift) {
  const double startUp = model.angle;
  expectTurn(Qt::Key_Right, {}, 1.0);
  expectTurn(Qt::Key_Left, {}, -1.0);
  expectTurn(Qt::Key_Right, Qt::ShiftModifier, 0.1);
  expectTurn(Qt::Key_Left, Qt::ShiftModifier, -0.1);
  expectTurn(Qt::Key_Plus, {}, 1.0);
  expectTurn(Qt::Key_Minus, {}, -1.0);
  expectTurn(Qt::Key_Plus, Qt::KeypadModifier, 1.0);
  expectTurn(Qt::Key_Minus, Qt::KeypadModifier, -1.0);
  expectTurn(Qt::Key_Plus, Qt::KeypadModifier | Qt::ShiftModifier, 0.1);
  // On the main row Shift is how many layouts type "+": still the whole degree.
  expectTurn(Qt::Key_Plus, Qt::ShiftModifier, 1.0);
  EXPECT_NEAR(model.angle, startUp + 1.1 * kDegree, 1e-12);
}

TEST_F(KeyboardTest, StopsAtZeroAndSeventyFiveDegrees) {
  for (int i = 0; i < 41; ++i) expectTurn(Qt::Key_Right, {}, 1.0);
  EXPECT_EQ(model.angle, FlowModel::kMaxAngle);
  expectTurn(Qt::Key_Right, Qt::ShiftModifier, 0.1);
  for (int i = 0; i < 80; ++i) expectTurn(Qt::Key_Minus, {}, -1.0);
  EXPECT_EQ(model.angle, 0.0);
  EXPECT_FALSE(std::signbit(model.angle));
  expectTurn(Qt::Key_Left, Qt::ShiftModifier, -0.1);
}

TEST_F(KeyboardTest, OtherKeysLeaveThePlateAlone) {
  // The picture takes the keyboard first: the field that had it applies its free stream on
  // leaving, which retraces and so moves the fans' scratch. That is no key's doing, and
  // whether a frame had moved the scratch since the window's own retrace depends on timing.
  view().setFocus();
  ASSERT_TRUE(view().hasFocus());
  QSignalSpy turned(&view(), &FlowView::plateTurned);
  const auto before = fingerprint(view().animation());
  press(Qt::Key_Up);
  press(Qt::Key_A);
  press(Qt::Key_Equal);
  EXPECT_EQ(fingerprint(view().animation()), before);
  EXPECT_EQ(turned.count(), 0);
  // A plain mouse move probes; it does not count as a turn.
  QTest::mouseMove(&view(), kCentre + QPoint(50, 50));
  QTest::mouseMove(&view(), kCentre + QPoint(51, 50));
  EXPECT_EQ(turned.count(), 0);
}

// --- The picture does not know it is watched ------------------------------------------------

// Two windows get the same drags, keys, probes and ticks; one of them has its theory window
// open and following. A free stream of zero pressure is included: there the fans answer the
// probe from the scratch of the previous question, so a report that did not merely peek
// would show in the picture. The two main windows stay hidden: an expose the platform
// delivers to only one of them would compose an extra frame there and step its tracers.
class TheoryWindowIsAnOnlooker : public testing::TestWithParam<const char*> {};

TEST_P(TheoryWindowIsAnOnlooker, ThePictureIsTheSameWithTheWindowOpenOrNever) {
  FlowModel watchedModel;
  FlowModel plainModel;
  MainDialog watched(watchedModel);
  MainDialog plain(plainModel);
  for (MainDialog* w : {&watched, &plain}) {
    w->flowView().stopTimer();
    w->field(FieldId::P1).setText(QString::fromLatin1(GetParam()));
    QTest::keyClick(&w->field(FieldId::P1), Qt::Key_Return);
  }
  QCoreApplication::processEvents();
  watched.showTheory();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(watched.theoryWindow()));
  QCoreApplication::processEvents();

  const QPoint drags[] = {kCentre + QPoint(150, 40), kCentre + QPoint(120, 90),
                          kCentre + QPoint(-80, -60)};
  for (MainDialog* w : {&watched, &plain}) {
    FlowView& view = w->flowView();
    for (const QPoint& at : drags) {
      QTest::mousePress(&view, Qt::LeftButton, {}, at + QPoint(1, 1));
      QTest::mouseMove(&view, at);
      QTest::mouseRelease(&view, Qt::LeftButton, {}, at);
      // Probes below and above the plate, right after the theory was refreshed.
      hover(view, kCentre + QPoint(40, 60));
      hover(view, kCentre + QPoint(-30, -50));
      // A confirmed field refreshes the theory between that probe and the next frame.
      QTest::keyClick(&w->field(FieldId::V1), Qt::Key_Return);
      view.animation().onTick();
    }
    QTest::keyClick(&view, Qt::Key_Right);
    hover(view, kCentre + QPoint(41, 61));
    QTest::keyClick(&view, Qt::Key_Left, Qt::ShiftModifier);
    for (int i = 0; i < 30; ++i) view.animation().onTick();
  }
  // The watching window did follow.
  EXPECT_EQ(watched.theoryWindow()->value("alpha"),
            QString::fromUtf8("%1°").arg(watchedModel.angle / kDegree, 0, 'f', 2));
  EXPECT_EQ(watchedModel.angle, plainModel.angle);
  EXPECT_EQ(fingerprint(watched.flowView().animation()), fingerprint(plain.flowView().animation()));
  EXPECT_EQ(tracerBits(watched.flowView().animation()), tracerBits(plain.flowView().animation()));
  EXPECT_EQ(watched.field(FieldId::P).text(), plain.field(FieldId::P).text());
  EXPECT_NE(watched.field(FieldId::T).text(), QStringLiteral("0.000"));  // the probes ran
  EXPECT_EQ(watched.field(FieldId::Vr).text(), plain.field(FieldId::Vr).text());
  EXPECT_EQ(watched.flowView().screenImage(), plain.flowView().screenImage());
}

INSTANTIATE_TEST_SUITE_P(FreeStreamPressures, TheoryWindowIsAnOnlooker,
                         testing::Values("100000", "0"));

}  // namespace
