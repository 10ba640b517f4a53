// SPDX-License-Identifier: GPL-3.0-or-later
// The window's teaching tools as a teacher uses them: the regime line, probing with the keys,
// the probe after a key turn, saving the picture, copying the values, help and the legend.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <numbers>

#include "app/RegimeLine.h"
#include "model/FlowModel.h"
#include "ui/LegendWindow.h"
#include "ui/MainDialog.h"
#include "ui/NumberField.h"
#include "ui/PictureActions.h"
#include "ui/ReadableColour.h"
#include "ui/RegimeLabel.h"
#include "ui/TheoryWindow.h"

namespace {

constexpr FieldId kProbeFields[] = {FieldId::T,  FieldId::P, FieldId::Rho,  FieldId::C, FieldId::M,
                                    FieldId::V0, FieldId::V, FieldId::Vphi, FieldId::Vr};
const QPoint kCentre(kPictureWidth / 2, kPictureHeight / 2);

// Keeps what the next message box says in `said` and closes it, as a user would.
void readNextMessage(QString& said) {
  said.clear();
  QTimer::singleShot(0, [&said] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      said = box->text();
      box->close();
    }
  });
}

class TeachingToolsTest : public testing::Test {
 protected:
  void SetUp() override {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    view().stopTimer();  // every frame below is the test's own
  }
  FlowView& view() { return window.flowView(); }
  PictureActions& tools() { return window.pictureActions(); }
  QString shown(FieldId id) const { return window.field(id).text(); }
  void apply(FieldId id, const char* text) {
    window.field(id).setText(QString::fromLatin1(text));
    QTest::keyClick(&window.field(id), Qt::Key_Return);
  }
  // The nine probe texts the window would show for (x, y) now.
  std::vector<std::string> expectedProbe(const QPoint& at) {
    StoredFieldTexts expected;
    for (const FieldId id : kAttachOrder) expected.setText(id, shown(id).toStdString());
    showProbe(expected, model, at.x(), at.y());
    std::vector<std::string> texts;
    for (const FieldId id : kProbeFields) texts.push_back(expected.text(id));
    return texts;
  }
  std::vector<std::string> shownProbe() const {
    std::vector<std::string> texts;
    for (const FieldId id : kProbeFields) texts.push_back(shown(id).toStdString());
    return texts;
  }

  FlowModel model;
  MainDialog window{model};
};

TEST_F(TeachingToolsTest, TheRegimeLineFollowsFieldsAndKeysAndAgreesWithTheTheory) {
  window.showTheory();
  window.activateWindow();
  const struct {
    const char* velocity;
    int keyTurns;  // whole degrees by the Left key; the start-up α is 34.62°
    bool realFlow;
  } steps[] = {{"450", 0, false}, {"900", 0, false}, {"900", 25, true}, {"200", 0, false}};
  for (const auto& step : steps) {
    SCOPED_TRACE(testing::Message() << step.velocity << " m/s, " << step.keyTurns << " turns");
    apply(FieldId::V1, step.velocity);
    view().setFocus();
    for (int i = 0; i < step.keyTurns; ++i) QTest::keyClick(&view(), Qt::Key_Left);
    const RegimeLabel& line = window.regimeLabel();
    const RegimeLine expected = describeRegime(makeTheoryReport(model));
    EXPECT_EQ(line.text().toStdString(), expected.sentence);
    EXPECT_EQ(line.toolTip().toStdString(), expected.explanation);
    EXPECT_EQ(line.warns(), !step.realFlow);
    EXPECT_EQ(window.theoryWindow()->warns(), line.warns());
    EXPECT_EQ(line.palette().color(QPalette::WindowText) == TheoryWindow::kWarningColour,
              line.warns());
  }
}

TEST_F(TeachingToolsTest, CtrlArrowsProbeFromTheCentreUntilTheMouseMoves) {
  const auto& probes = tools().probeActions();  // left, right, up, down; then by ten
  const struct {
    int action;
    int times;
    QPoint at;
  } moves[] = {{1, 1, kCentre + QPoint(1, 0)},
               {7, 3, kCentre + QPoint(1, 30)},
               {4, 40, QPoint(0, kCentre.y() + 30)},
               {6, 30, QPoint(0, 0)},
               {3, 2, QPoint(0, 2)}};
  for (const auto& move : moves) {
    for (int i = 0; i < move.times; ++i) probes[move.action]->trigger();
    EXPECT_EQ(view().probedPoint(), move.at);
    EXPECT_EQ(shownProbe(), expectedProbe(move.at));
  }
  // By the keys, as from any field that does not edit with them.
  QTest::keyClick(&window.field(FieldId::M1), Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(view().probedPoint(), QPoint(0, 3));

  // Moving the marker repaints the frame that is there: the tracers take no extra step.
  const auto tracerAt = [this] { return view().animation().tracers()[7].x; };
  const double before = tracerAt();
  view().moveProbeBy(0, 1);
  QTest::qWait(30);
  EXPECT_EQ(tracerAt(), before);

  const QPoint marked(200, 150);
  view().moveProbeBy(marked.x(), marked.y() - 4);
  ASSERT_TRUE(view().keyboardProbing());
  const QImage withMarker = view().grab().toImage();
  EXPECT_EQ(withMarker.pixelColor(marked + QPoint(5, 0)), QColor(Qt::black));
  EXPECT_NE(withMarker.pixelColor(marked), QColor(Qt::black));  // the point itself stays visible

  // A move made up where the mouse already was keeps the keys' probe; a real one ends it.
  QTest::mouseMove(&view(), QPoint(400, 300));
  EXPECT_FALSE(view().keyboardProbing());
  view().moveProbeBy(0, 0);
  QMouseEvent same(QEvent::MouseMove, QPointF(400, 300), view().mapToGlobal(QPointF(400, 300)),
                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&view(), &same);
  EXPECT_TRUE(view().keyboardProbing());
  QTest::mouseMove(&view(), QPoint(410, 300));
  EXPECT_FALSE(view().keyboardProbing());
  EXPECT_EQ(view().probedPoint(), QPoint(410, 300));
  EXPECT_NE(view().grab().toImage().pixelColor(marked + QPoint(5, 0)), QColor(Qt::black));
}

TEST_F(TeachingToolsTest, AKeyTurnProbesTheLastPointAgain) {
  const QPoint below = kCentre + QPoint(-40, 100);
  QTest::mouseMove(&view(), below);
  const auto before = shownProbe();
  view().setFocus();
  QTest::keyClick(&view(), Qt::Key_Left);
  EXPECT_NE(shownProbe(), before);
  EXPECT_EQ(shownProbe(), expectedProbe(below));
}

TEST_F(TeachingToolsTest, SavesTheFrameWholeOrLeavesTheOldFileAlone) {
  EXPECT_EQ(tools().defaultFileName(), QStringLiteral("zerkon-M1.34-a34.62.png"));
  QTemporaryDir folder;
  const QImage frame = view().screenImage().copy();
  const QString good = folder.filePath(tools().defaultFileName());
  ASSERT_TRUE(tools().savePictureAs(frame, good));
  EXPECT_EQ(QImage(good).convertToFormat(frame.format()), frame);
  EXPECT_EQ(QImage(good).size(), QSize(kPictureWidth, kPictureHeight));

  // A missing folder, and a write cut short by the file-size limit over an old file.
  const QString missing = folder.filePath(QStringLiteral("none/x.png"));
  QString said;
  readNextMessage(said);
  EXPECT_FALSE(tools().savePictureAs(frame, missing));
  EXPECT_TRUE(said.contains(QStringLiteral("no such file or directory"))) << said.toStdString();

  const QString old = folder.filePath(QStringLiteral("old.png"));
  {
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("old\n");
  }
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit tight = saved;
  tight.rlim_cur = 64;
  const auto previous = signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &tight);
  readNextMessage(said);
  const bool written = tools().savePictureAs(frame, old);
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, previous);
  EXPECT_FALSE(written);
  EXPECT_TRUE(said.contains(QStringLiteral("file too large"))) << said.toStdString();
  QFile kept(old);
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), QByteArray("old\n"));
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
            QStringList({QStringLiteral("old.png"), tools().defaultFileName()}));
}

// Save picture writes a file as the shell's > would, but never waits on one.
TEST_F(TeachingToolsTest, SavesOnlyPngFilesAndNeverWaits) {
  QTemporaryDir folder;
  const std::string base = folder.path().toStdString() + "/";
  ASSERT_EQ(::mkfifo((base + "pipe.png").c_str(), 0600), 0);
  ASSERT_EQ(::symlink("target.png", (base + "link.png").c_str()), 0);
  const std::string longest = std::string(251, 'a') + ".png";  // 255 bytes
  const QImage frame = view().screenImage().copy();
  const struct {
    std::string name;
    const char* said;   // part of the message; nullptr when the save succeeds
    const char* check;  // the file that must then hold a PNG
  } cases[] = {
      {"pic.jpg", "saved as a .png file", nullptr},
      {"pipe.png", "not a regular file", nullptr},
      {"link.png", nullptr, "target.png"},
      {longest, nullptr, nullptr},
      {std::string(252, 'a') + ".png", "file name too long", nullptr},
  };
  QString said;  // outlives every pending reader
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name.size());
    readNextMessage(said);
    QElapsedTimer timer;
    timer.start();
    const bool saved = tools().savePictureAs(frame, QFile::decodeName((base + c.name).c_str()));
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_EQ(saved, c.said == nullptr);
    if (c.said) {
      EXPECT_TRUE(said.contains(QLatin1String(c.said))) << said.toStdString();
      EXPECT_LT(said.size(), 200);  // a long name is shortened in the box
    }
    if (c.check) {
      EXPECT_FALSE(QImage(QFile::decodeName((base + c.check).c_str())).isNull());
    }
    QCoreApplication::processEvents();  // no reader left waiting for the next box
  }
  EXPECT_TRUE(QFileInfo(QFile::decodeName((base + "link.png").c_str())).isSymLink());
  EXPECT_FALSE(QFile::exists(QFile::decodeName((base + "pic.jpg").c_str())));
  EXPECT_TRUE(QFile::exists(QFile::decodeName((base + longest).c_str())));
}

TEST_F(TeachingToolsTest, CopyValuesPutsTheTableOnTheClipboard) {
  view().moveProbeBy(0, 60);
  QTest::keyClick(&window.field(FieldId::V1), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  const QStringList rows = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
  ASSERT_EQ(rows.size(), 3);  // names, values, and the empty rest after the last newline
  const QStringList names = rows[0].split(QLatin1Char('\t'));
  const QStringList values = rows[1].split(QLatin1Char('\t'));
  ASSERT_EQ(names.size(), values.size());
  EXPECT_EQ(names.first(), QStringLiteral("V₁ [m/s]"));
  EXPECT_EQ(values[names.indexOf(QStringLiteral("y [px]"))], QString::number(kCentre.y() + 60));
  EXPECT_EQ(values[names.indexOf(QStringLiteral("T [K]"))], shown(FieldId::T));
}

TEST_F(TeachingToolsTest, EveryFieldAndEveryNewItemExplainsItself) {
  for (const FieldId id : kAttachOrder) {
    const QString tip = window.field(id).toolTip();
    EXPECT_TRUE(tip.contains(QLatin1Char(':')) && !tip.contains(QLatin1Char('\n')))
        << static_cast<int>(id) << " " << tip.toStdString();
  }
  EXPECT_TRUE(window.field(FieldId::M1).toolTip().contains(QStringLiteral("V₁ / c₁")));

  for (const QAction* action : {&tools().saveAction(), &tools().copyAction(),
                                &tools().legendAction(), tools().probeActions()[0]})
    EXPECT_FALSE(action->shortcut().isEmpty()) << action->text().toStdString();

  QTest::keyClick(&window.field(FieldId::T1), Qt::Key_F3);
  ASSERT_NE(tools().legendWindow(), nullptr);
  EXPECT_TRUE(tools().legendWindow()->isVisible());
  const QString legend = tools().legendWindow()->entries().join(QLatin1Char('\n'));
  for (const char* named : {"Tracers", "bubbles", "smaller the disc", "Streamlines", "Dashed",
                            "fans", "Dash-dot", "force", "Fx", "Fy", "angle of attack"})
    EXPECT_TRUE(legend.contains(QString::fromUtf8(named))) << named;
}

TEST(ReadableColour, SymbolsAndWarningsReadOnLightDarkAndHighContrastThemes) {
  const QColor blue(0x00, 0x00, 0xff);
  const QColor warning = TheoryWindow::kWarningColour;
  const struct {
    const char* theme;
    QColor background;
  } themes[] = {{"light", QColor(0xef, 0xef, 0xef)},
                {"dark", QColor(0x2a, 0x2a, 0x2a)},
                {"high contrast, black", Qt::black},
                {"high contrast, white", Qt::white}};
  for (const auto& t : themes) {
    for (const QColor& colour : {blue, warning}) {
      const QColor shown = readableOn(colour, t.background);
      EXPECT_GE(contrastRatio(shown, t.background), 4.5)
          << t.theme << " " << colour.name().toStdString();
      // A colour that already reads is kept as the picture and the window drew it.
      if (contrastRatio(colour, t.background) >= 4.5) EXPECT_EQ(shown, colour) << t.theme;
    }
  }
}

}  // namespace
