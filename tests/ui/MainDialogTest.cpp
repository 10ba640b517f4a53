// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a student uses it: the free-stream column, leaving fields,
// Enter, the probe, dragging the plate and the About box.
#include <gtest/gtest.h>

#include <QAction>
#include <QContextMenuEvent>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <numbers>

#include "app/NumberText.h"
#include "model/FlowModel.h"
#include "ui/AboutDialog.h"
#include "ui/MainDialog.h"
#include "ui/NumberField.h"
#include "ui/RegimeLabel.h"
#include "ui/ViewActions.h"
#include "view/FlowView.h"

namespace {

constexpr FieldId kFreeStreamColumn[] = {FieldId::V1, FieldId::T1, FieldId::P1, FieldId::Rho1,
                                         FieldId::C1, FieldId::M1, FieldId::V01};
constexpr FieldId kProbeFields[] = {FieldId::T,  FieldId::P, FieldId::Rho,  FieldId::C, FieldId::M,
                                    FieldId::V0, FieldId::V, FieldId::Vphi, FieldId::Vr};

std::vector<std::vector<PathPoint>> paths(FlowView& view) {
  std::vector<std::vector<PathPoint>> all;
  for (const Streamline& s : view.animation().streamlines()) all.push_back(s.points);
  return all;
}

bool samePaths(const std::vector<std::vector<PathPoint>>& a,
               const std::vector<std::vector<PathPoint>>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].size() != b[i].size()) return false;
    for (std::size_t k = 0; k < a[i].size(); ++k)
      if (a[i][k].x != b[i][k].x || a[i][k].y != b[i][k].y) return false;
  }
  return true;
}

// Runs `whileOpen` on the About box as soon as it is up, then closes it.
void whenAboutOpens(const std::function<void(AboutDialog&)>& whileOpen) {
  QTimer::singleShot(0, [whileOpen] {
    auto* box = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    whileOpen(*box);
    box->okButton().click();
  });
}

class MainDialogTest : public testing::Test {
 protected:
  void SetUp() override {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  QString shown(FieldId id) const { return window.field(id).text(); }
  FlowView& view() { return window.flowView(); }
  // Replaces the text of a field as a user would: click in, select all, type.
  void type(FieldId id, const QString& text) {
    NumberField& f = window.field(id);
    f.setFocus();
    ASSERT_TRUE(f.hasFocus());
    f.selectAll();
    QTest::keyClicks(&f, text);
    if (text.isEmpty()) QTest::keyClick(&f, Qt::Key_Delete);
  }
  // Qt drops a move to where the mouse already is: come from one pixel off.
  void hover(const QPoint& at) {
    QTest::mouseMove(&view(), at + QPoint(1, 1));
    QTest::mouseMove(&view(), at);
  }
  void leave(FieldId id) {
    QTest::keyClick(&window.field(id), Qt::Key_Tab);
    ASSERT_FALSE(window.field(id).hasFocus());
  }

  FlowModel model;
  MainDialog window{model};
};

TEST_F(MainDialogTest, StartsWithTheDefaultFreeStreamAndAnIdleProbe) {
  const char* expected[] = {"450.0", "273.0", "100000", "1.234", "336.9", "1.336", "0.811"};
  for (std::size_t i = 0; i < std::size(kFreeStreamColumn); ++i)
    EXPECT_EQ(shown(kFreeStreamColumn[i]).toStdString(), expected[i]);
  for (const FieldId id : kProbeFields) EXPECT_EQ(shown(id), QStringLiteral("0.000"));
  // The model works with the density as shown.
  EXPECT_EQ(model.density, 1.234);

  for (const FieldId id : kAttachOrder) {
    const bool input =
        id == FieldId::V1 || id == FieldId::T1 || id == FieldId::P1 || id == FieldId::M1;
    EXPECT_EQ(window.field(id).isReadOnly(), !input) << static_cast<int>(id);
  }
  EXPECT_EQ(window.windowTitle(), QStringLiteral("zerkon"));
  EXPECT_FALSE(window.windowIcon().isNull());
  EXPECT_EQ(view().size(), QSize(kPictureWidth, kPictureHeight));
  EXPECT_TRUE(view().isAttached());
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
}

TEST_F(MainDialogTest, ANewTemperatureAppliesOnlyWhenTheFieldIsLeft) {
  const auto before = paths(view());
  type(FieldId::T1, QStringLiteral("300"));
  EXPECT_EQ(shown(FieldId::Rho1), QStringLiteral("1.234"));
  EXPECT_EQ(shown(FieldId::C1), QStringLiteral("336.9"));
  EXPECT_TRUE(samePaths(paths(view()), before));

  leave(FieldId::T1);
  EXPECT_EQ(shown(FieldId::Rho1), QStringLiteral("1.123"));
  EXPECT_EQ(shown(FieldId::C1), QStringLiteral("353.1"));
  EXPECT_EQ(shown(FieldId::M1), QStringLiteral("1.274"));
  EXPECT_EQ(shown(FieldId::V01), QStringLiteral("0.891"));
  EXPECT_EQ(model.temperature, 300.0);
  EXPECT_EQ(model.density, 1.123);
  EXPECT_FALSE(samePaths(paths(view()), before));
}

TEST_F(MainDialogTest, EnterAppliesAndKeepsTheWindowOpen) {
  type(FieldId::V1, QStringLiteral("600"));
  QTest::keyClick(&window.field(FieldId::V1), Qt::Key_Return);
  EXPECT_EQ(shown(FieldId::M1), QStringLiteral("1.781"));
  type(FieldId::V1, QStringLiteral("700"));
  QTest::keyClick(&window.field(FieldId::V1), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(shown(FieldId::M1), QStringLiteral("2.078"));
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.result(), QDialog::Rejected);
  EXPECT_TRUE(window.field(FieldId::V1).hasFocus());
}

TEST_F(MainDialogTest, LeavingAnUnchangedFieldStillRecomputes) {
  model.setFreeStream(1000, 500, 5);
  model.setDensity(9);
  window.field(FieldId::P1).setFocus();
  leave(FieldId::P1);
  EXPECT_EQ(model.velocity, 450.0);
  EXPECT_EQ(model.temperature, 273.0);
  EXPECT_EQ(model.pressure, 100000.0);
  EXPECT_EQ(model.density, 1.234);
}

TEST_F(MainDialogTest, TheProbeShowsNoValueWhileThePlateLiesNearlyFlat) {
  view().turnTo(5.0);  // below the model's 0.1 rad
  hover(QPoint(400, 300));
  for (const FieldId id : kProbeFields) EXPECT_EQ(shown(id), QStringLiteral("—"));
  EXPECT_TRUE(window.regimeLabel().toolTip().contains(QStringLiteral("α = 5.73°")));
  view().turnTo(6.0);
  EXPECT_NE(shown(FieldId::T), QStringLiteral("—"));
  EXPECT_FALSE(window.regimeLabel().toolTip().contains(QStringLiteral("5.73")));
}

TEST_F(MainDialogTest, TheProbeBehindTheLowerShockShowsTheLocalState) {
  view().animation().turnPlate(0.5);
  const QPoint below(300, 330);
  hover(below);

  StoredFieldTexts expected;
  for (const FieldId id : kFreeStreamColumn)
    expected.setText(id, window.field(id).text().toStdString());
  showProbe(expected, model, below.x(), below.y());
  for (const FieldId id : kProbeFields)
    EXPECT_EQ(shown(id).toStdString(), expected.text(id)) << static_cast<int>(id);
  // Compressed and turned along the plate.
  EXPECT_GT(parseNumber(shown(FieldId::P).toStdString()), 100000.0);
  EXPECT_GT(parseNumber(shown(FieldId::T).toStdString()), 273.0);
  EXPECT_LT(parseNumber(shown(FieldId::V).toStdString()), 450.0);
}

TEST_F(MainDialogTest, DraggingTurnsThePlateWithoutProbing) {
  QSignalSpy probes(&view(), &FlowView::probeRequested);
  const QPoint centre(kPictureWidth / 2, kPictureHeight / 2);
  QTest::mousePress(&view(), Qt::LeftButton, {}, centre + QPoint(150, 30));
  QTest::mouseMove(&view(), centre + QPoint(150, 80));
  QTest::mouseMove(&view(), centre + QPoint(100, 100));
  QTest::mouseRelease(&view(), Qt::LeftButton, {}, centre + QPoint(100, 100));
  EXPECT_NEAR(model.angle, 0.7853981633974483, 1e-12);
  EXPECT_EQ(probes.count(), 0);
  for (const FieldId id : kProbeFields) EXPECT_EQ(shown(id), QStringLiteral("0.000"));
}

TEST_F(MainDialogTest, TheAboutBoxRestsTheAnimation) {
  ASSERT_TRUE(view().timer().isActive());
  EXPECT_EQ(view().timer().interval(), FlowAnimation::kStartInterval);
  bool seen = false;
  whenAboutOpens([&](AboutDialog& box) {
    seen = true;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About zerkon"));
    EXPECT_TRUE(box.okButton().isDefault());
    EXPECT_FALSE(view().timer().isActive());
  });
  window.showAbout();
  EXPECT_TRUE(seen);
  EXPECT_TRUE(view().timer().isActive());
  EXPECT_EQ(view().timer().interval(), FlowAnimation::kRestartInterval);
  EXPECT_TRUE(window.isVisible());
}

TEST_F(MainDialogTest, F1OpensTheAboutBoxFromAnyField) {
  EXPECT_EQ(window.aboutAction().text(), QStringLiteral("&About zerkon..."));
  bool seen = false;
  whenAboutOpens([&](AboutDialog&) { seen = true; });
  QTest::keyClick(&window.field(FieldId::T1), Qt::Key_F1);
  EXPECT_TRUE(seen);
  EXPECT_TRUE(view().timer().isActive());
}

// Right-clicks `target` and returns the texts of the menu that pops up.
QStringList contextMenuOf(QWidget& target, const QPoint& at) {
  QStringList items;
  QTimer::singleShot(0, [&items] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (const QAction* a : menu->actions()) items << a->text();
    menu->close();
  });
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, target.mapToGlobal(at));
  QApplication::sendEvent(&target, &event);
  return items;
}

TEST_F(MainDialogTest, ARightClickAnywhereOffersTheAboutBoxAndLeavesThePlate) {
  const double angle = model.angle;
  QTest::mousePress(&view(), Qt::RightButton, {}, QPoint(600, 400));
  EXPECT_TRUE(contextMenuOf(view(), QPoint(600, 400)).contains("&About zerkon..."));
  QTest::mouseRelease(&view(), Qt::RightButton, {}, QPoint(600, 400));
  EXPECT_EQ(model.angle, angle);

  // A field keeps its own edit menu and gains the item.
  const QStringList fieldItems = contextMenuOf(window.field(FieldId::P1), QPoint(5, 5));
  EXPECT_TRUE(fieldItems.contains("&About zerkon..."));
  EXPECT_GT(fieldItems.size(), 3);
  EXPECT_TRUE(window.isVisible());
}

TEST_F(MainDialogTest, TextAfterOrInsteadOfANumberIsReadQuietly) {
  type(FieldId::T1, QStringLiteral("12abc"));
  leave(FieldId::T1);
  EXPECT_EQ(model.temperature, 12.0);
  EXPECT_EQ(shown(FieldId::T1), QStringLiteral("12abc"));
  EXPECT_EQ(shown(FieldId::C1), QString::fromStdString(formatNumber(std::sqrt(12 * 415.7))));

  type(FieldId::T1, QStringLiteral("abc"));
  leave(FieldId::T1);
  EXPECT_EQ(model.temperature, 0.0);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(window.isVisible());

  // Still animating: the timer runs and the picture changes.
  ASSERT_TRUE(view().timer().isActive());
  const QImage first = view().grab().toImage();
  for (int i = 0; i < 5; ++i) view().animation().onTick();
  QTest::qWait(50);
  EXPECT_NE(view().grab().toImage(), first);
}

TEST_F(MainDialogTest, HostileFreeStreamsNeitherHangNorStopTheAnimation) {
  const std::pair<FieldId, const char*> inputs[] = {{FieldId::T1, "-40"},    {FieldId::V1, "0"},
                                                    {FieldId::P1, "0"},      {FieldId::V1, "1e308"},
                                                    {FieldId::T1, "1e-300"}, {FieldId::P1, "-1e5"}};
  for (const auto& [id, text] : inputs) {
    type(id, QString::fromLatin1(text));
    QTest::keyClick(&window.field(id), Qt::Key_Return);
    view().animation().turnPlate(0.7);
    hover(QPoint(300, 330));
    for (int i = 0; i < 3; ++i) view().animation().onTick();
  }
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(view().timer().isActive());
}

TEST_F(MainDialogTest, EscapePutsBackTheAppliedTextAndNeverCloses) {
  QSignalSpy finished(&window, &QDialog::finished);
  type(FieldId::V1, QStringLiteral("9"));
  QTest::keyClick(&window.field(FieldId::V1), Qt::Key_Escape);
  EXPECT_EQ(shown(FieldId::V1), QStringLiteral("450.0"));
  type(FieldId::V1, QStringLiteral("600"));
  leave(FieldId::V1);
  type(FieldId::V1, QStringLiteral("7"));
  QTest::keyClick(&window.field(FieldId::V1), Qt::Key_Escape);
  EXPECT_EQ(shown(FieldId::V1), QStringLiteral("600"));
  EXPECT_EQ(model.velocity, 600.0);
  // An output and the picture: nothing happens.
  QTest::keyClick(&window.field(FieldId::M1), Qt::Key_Escape);
  EXPECT_EQ(shown(FieldId::M1), QStringLiteral("1.781"));
  view().setFocus();
  QTest::keyClick(&view(), Qt::Key_Escape);
  EXPECT_EQ(finished.count(), 0);
  EXPECT_TRUE(window.isVisible());
  // Ctrl+Q quits from anywhere.
  QTest::keyClick(&view(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_EQ(finished.count(), 1);
  EXPECT_FALSE(window.isVisible());
}

TEST_F(MainDialogTest, TheCloseBoxClosesTheWindow) {
  QSignalSpy finished(&window, &QDialog::finished);
  EXPECT_TRUE(window.close());
  EXPECT_EQ(finished.count(), 1);
}

}  // namespace

namespace {

int stalledTracers(FlowView& view) {
  int count = 0;
  for (const Tracer& t : view.animation().tracers())
    count += !std::isfinite(t.vx) || !std::isfinite(t.vy) || (t.vx == 0 && t.vy == 0);
  return count;
}

// Each text once stopped the tracers the zones turned; a valid free stream frees them all.
TEST_F(MainDialogTest, ThePictureRecoversFromAMissingFreeStream) {
  view().stopTimer();
  for (const char* bad : {"", "0", "abc"}) {
    type(FieldId::V1, QString::fromLatin1(bad));
    leave(FieldId::V1);
    for (int i = 0; i < 150; ++i) view().animation().onTick();
    EXPECT_GT(stalledTracers(view()), 100) << bad;
    type(FieldId::V1, QStringLiteral("450"));
    leave(FieldId::V1);
    EXPECT_EQ(stalledTracers(view()), 0) << bad;
  }
}

TEST_F(MainDialogTest, SpacePausesDotStepsOnceAndRRestarts) {
  const ViewActions& actions = window.viewActions();
  EXPECT_EQ(actions.pause().shortcut(), QKeySequence(Qt::Key_Space));
  view().setFocus();
  QTest::keyClick(&view(), Qt::Key_Space);
  ASSERT_TRUE(view().isPaused());
  EXPECT_TRUE(actions.pause().isChecked());
  EXPECT_FALSE(view().timer().isActive());
  // Paused, paints show the same frame and the tracers stand.
  const QImage still = view().grab().toImage();
  const double x = view().animation().tracers()[5].x;
  QTest::qWait(80);
  view().repaint();
  EXPECT_EQ(view().grab().toImage(), still);
  EXPECT_EQ(view().animation().tracers()[5].x, x);
  // "." is one tick: the zone pass, a step and a frame.
  QTest::keyClick(&view(), Qt::Key_Period);
  const double once = view().animation().tracers()[5].x;
  EXPECT_NE(once, x);
  EXPECT_NE(view().grab().toImage(), still);
  // Typed into an input, the keys are text.
  type(FieldId::T1, QStringLiteral("2 7.3"));
  EXPECT_EQ(shown(FieldId::T1), QStringLiteral("2 7.3"));
  EXPECT_TRUE(view().isPaused());
  EXPECT_EQ(view().animation().tracers()[5].x, once);
  // The About box leaves a paused animation paused.
  whenAboutOpens([](AboutDialog&) {});
  window.showAbout();
  EXPECT_FALSE(view().timer().isActive());
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  // R: every tracer waits left of the picture again.
  for (int i = 0; i < 40; ++i) view().stepOnce();
  view().setFocus();
  QTest::keyClick(&view(), Qt::Key_R);
  // (The paused picture shows them at once, and drawing steps each once.)
  for (const Tracer& t : view().animation().tracers()) ASSERT_LE(t.x, 3);

  QTest::keyClick(&view(), Qt::Key_Space);
  EXPECT_FALSE(view().isPaused());
  EXPECT_TRUE(view().timer().isActive());
  EXPECT_FALSE(actions.step().isEnabled());
  EXPECT_FALSE(view().stepOnce());
}

TEST_F(MainDialogTest, AHiddenOrMinimisedWindowRestsTheAnimationAndGoesOnWhereItWas) {
  for (const auto& away : {std::function<void()>([this] { window.showMinimized(); }),
                           std::function<void()>([this] { window.hide(); })}) {
    away();
    QCoreApplication::processEvents();
    EXPECT_FALSE(view().timer().isActive());
    const double x = view().animation().tracers()[9].x;
    QTest::qWait(60);
    EXPECT_EQ(view().animation().tracers()[9].x, x);
    window.showNormal();
    QCoreApplication::processEvents();
    EXPECT_TRUE(view().timer().isActive());
    EXPECT_EQ(view().timer().interval(), FlowAnimation::kStartInterval);
  }
}

TEST_F(MainDialogTest, MachAndAlphaAreTypedDirectly) {
  // M1 sets V1 = M1 · c1; M1 then shows what the rounded V1 gives.
  const struct {
    const char* mach;
    const char* velocity;
    const char* shownMach;
  } machs[] = {{"2", "673.8", "2.000"}, {"5", "1684", "4.999"}, {"0.5", "168.4", "0.500"}};
  for (const auto& m : machs) {
    type(FieldId::M1, QString::fromLatin1(m.mach));
    leave(FieldId::M1);
    EXPECT_EQ(shown(FieldId::V1).toStdString(), m.velocity) << m.mach;
    EXPECT_EQ(shown(FieldId::M1).toStdString(), m.shownMach) << m.mach;
    EXPECT_EQ(model.velocity, parseNumber(m.velocity)) << m.mach;
  }
  // Passing through M1 changes nothing.
  window.field(FieldId::M1).setFocus();
  leave(FieldId::M1);
  EXPECT_EQ(shown(FieldId::V1), QStringLiteral("168.4"));

  // α: typed and confirmed, as the keys turn it; beyond 75° it holds at 75°.
  QDoubleSpinBox& alpha = window.angleField();
  const struct {
    const char* typed;
    double degrees;
  } angles[] = {{"5", 5.0}, {"12.5", 12.5}, {"80", 75.0}, {"0", 0.0}};
  for (const auto& a : angles) {
    alpha.setFocus();
    alpha.selectAll();
    QTest::keyClicks(&alpha, QString::fromLatin1(a.typed));
    QTest::keyClick(&alpha, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(model.angle * 180 / std::numbers::pi, a.degrees) << a.typed;
    EXPECT_DOUBLE_EQ(alpha.value(), a.degrees) << a.typed;
  }
  // A turn by the keys shows in the field.
  view().setFocus();
  QTest::keyClick(&view(), Qt::Key_Right);
  EXPECT_DOUBLE_EQ(alpha.value(), 1.0);
}

TEST_F(MainDialogTest, TheProbedPointFollowsANewFreeStream) {
  view().turnTo(20.0);
  hover(QPoint(150, 232));  // ahead of the plate: the free stream itself
  EXPECT_EQ(shown(FieldId::V), QStringLiteral("450.0"));
  type(FieldId::V1, QStringLiteral("1200"));
  leave(FieldId::V1);
  EXPECT_EQ(shown(FieldId::V), QStringLiteral("1200"));
}

// 0.5 rad, through the window so that its α field follows.
constexpr double kHalfRadian = 28.64788975654116;  // degrees

TEST_F(MainDialogTest, ZoomScalesThePictureAndTheFontsButNoNumber) {
  // The window without its picture, whose tracers every redraw moves, and without the regime
  // line, which follows the turns the test makes.
  const auto withoutPicture = [this] {
    QImage shot = window.grab().toImage();
    QPainter painter(&shot);
    painter.fillRect(view().geometry(), Qt::black);
    const auto* regime = window.findChild<RegimeLabel*>();
    if (regime) painter.fillRect(regime->geometry(), Qt::black);
    return shot;
  };
  view().setPaused(true);
  view().setFocus();  // no text cursor blinking in a field
  const QPoint probe(300, 330);
  view().turnTo(kHalfRadian);
  hover(probe);
  const QString pressure = shown(FieldId::P);
  const QSize size = window.size();
  const QImage atHundred = withoutPicture();
  const qreal points = window.font().pointSizeF();

  for (const int percent : {150, 200}) {
    window.setZoom(percent);
    EXPECT_EQ(view().size(), QSize(kPictureWidth * percent / 100, kPictureHeight * percent / 100));
    EXPECT_DOUBLE_EQ(window.font().pointSizeF(), points * percent / 100);
    EXPECT_GT(window.width(), size.width() * (percent - 10) / 100);
    EXPECT_EQ(model.viewWidth, kPictureWidth);
    // The same picture pixel probes and drags to the same values.
    window.field(FieldId::P).clear();
    hover(probe * percent / 100);
    EXPECT_EQ(shown(FieldId::P), pressure);
  }
  QTest::mousePress(&view(), Qt::LeftButton, {}, QPoint(300, 300));
  QTest::mouseMove(&view(), (QPoint(kPictureWidth / 2, kPictureHeight / 2) + QPoint(100, 100)) * 2);
  QTest::mouseRelease(&view(), Qt::LeftButton, {}, QPoint(300, 300));
  EXPECT_NEAR(model.angle, 0.7853981633974483, 1e-12);
  view().turnTo(kHalfRadian);
  hover(probe * 2);

  // Ctrl+- twice and back at 100 %: the window exactly as it was.
  QTest::keyClick(&view(), Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_EQ(window.zoom(), 150);
  QTest::keyClick(&view(), Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(window.zoom(), 100);
  EXPECT_EQ(window.size(), size);
  EXPECT_EQ(withoutPicture(), atHundred);
  QTest::keyClick(&view(), Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_EQ(window.zoom(), 150);
}

TEST_F(MainDialogTest, OutputsLookReadOnlyAndInputsEditable) {
  const QColor input = window.field(FieldId::V1).palette().color(QPalette::Base);
  for (const FieldId id : kAttachOrder) {
    const NumberField& f = window.field(id);
    const QColor base = f.palette().color(QPalette::Base);
    if (f.isReadOnly()) {
      EXPECT_EQ(base, f.palette().color(QPalette::Window)) << static_cast<int>(id);
      EXPECT_NE(base, input) << static_cast<int>(id);
    } else {
      EXPECT_EQ(base, window.palette().color(QPalette::Base)) << static_cast<int>(id);
    }
  }
}

TEST_F(MainDialogTest, TheMenuOffersEveryControlWithItsKey) {
  const QStringList items = contextMenuOf(view(), QPoint(600, 400));
  for (const char* item : {"&Pause", "&Step one tick", "&Restart particles", "&Zoom", "&Quit"})
    EXPECT_TRUE(items.contains(QString::fromLatin1(item))) << item;
  const ViewActions& a = window.viewActions();
  for (QAction* action :
       {&a.pause(), &a.step(), &a.restart(), &a.zoomIn(), &a.zoomOut(), &a.zoomTo(0), &a.quit()})
    EXPECT_FALSE(action->shortcut().isEmpty()) << action->text().toStdString();
}

}  // namespace
