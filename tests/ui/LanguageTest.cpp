// SPDX-License-Identifier: GPL-3.0-or-later
// The two languages: every text of each translation done, the window switched at run time,
// and what a screen reader hears of the fields and the picture.
#include <gtest/gtest.h>
#include <QAccessible>
#include <QDoubleSpinBox>
#include <QFile>
#include <QTest>
#include <QValueAxis>
#include <QXmlStreamReader>
#include <functional>

#include "chart/LoadsChart.h"
#include "model/FlowModel.h"
#include "ui/AboutDialog.h"
#include "ui/ChartsWindow.h"
#include "ui/Language.h"
#include "ui/MainDialog.h"
#include "ui/NumberField.h"
#include "ui/PictureActions.h"
#include "ui/RegimeLabel.h"
#include "ui/TheoryWindow.h"

namespace {

QString accessible(QObject* object, QAccessible::Text text) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
  return face ? face->text(text) : QString();
}

// Leaves the program in English for the tests after this one, whatever it asserted.
struct EnglishAfterwards {
  ~EnglishAfterwards() { installLanguage(Language::English); }
};

TEST(LanguageTest, EveryTextOfBothTranslationsIsDone) {
  for (const char* code : {"ru", "en"}) {
    SCOPED_TRACE(code);
    QFile ts(QStringLiteral(ZERKON_TRANSLATIONS_DIR "/zerkon_%1.ts").arg(QLatin1String(code)));
    ASSERT_TRUE(ts.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&ts);
    int messages = 0;
    QString source;
    while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
      if (!xml.isStartElement()) continue;
      if (xml.name() == QLatin1String("source")) {
        source = xml.readElementText();
        ++messages;
      } else if (xml.name() == QLatin1String("translation")) {
        const QString state = xml.attributes().value(QLatin1String("type")).toString();
        EXPECT_TRUE(state.isEmpty()) << state.toStdString() << ": " << source.toStdString();
        EXPECT_FALSE(xml.readElementText().isEmpty()) << source.toStdString();
      }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(messages, 100);
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/i18n/zerkon_%1.qm").arg(QLatin1String(code))));
  }
}

TEST(LanguageTest, TheWindowSwitchesLanguageWhileItRuns) {
  const EnglishAfterwards restore;
  FlowModel model;
  MainDialog window(model);
  window.showTheory();
  window.showCharts();
  const auto russian = [](const char* text) { return QString::fromUtf8(text); };
  const struct {
    Language language;
    QString about, velocityName, theoryTitle, chartsTitle, alphaAxis, copied;
  } cases[] = {
      {Language::Russian,
       russian("Программа построения визуальной модели процесса обтекания бесконечно тонкой "
               "пластины сверхзвуковым потоком"),
       russian("V₁, скорость, м/с"), russian("Теория скачков и волн разрежения"),
       russian("Графики"), russian("угол атаки α [°]"),
       QStringLiteral("M₁ [-]\tT [K]\n0,8905\t273\n")},
      {Language::English,
       QStringLiteral("A program that builds a visual model of supersonic flow around an "
                      "infinitely thin flat plate"),
       russian("V₁, velocity, m/s"), QStringLiteral("Shock-expansion theory"),
       QStringLiteral("Charts"), russian("angle of attack α [°]"),
       QStringLiteral("M₁ [-]\tT [K]\n0.8905\t273\n")},
  };
  for (const auto& c : cases) {
    installLanguage(c.language);
    EXPECT_EQ(currentLanguage(), c.language);
    EXPECT_EQ(AboutDialog::tr("A program that builds a visual model of supersonic flow around "
                              "an infinitely thin flat plate"),
              c.about);
    EXPECT_EQ(window.field(FieldId::V1).accessibleName(), c.velocityName);
    EXPECT_EQ(window.theoryWindow()->windowTitle(), c.theoryTitle);
    // The charts follow at once, their axes too; copied numbers paste as numbers there.
    ChartsWindow& charts = *window.chartsWindow();
    EXPECT_EQ(charts.windowTitle(), c.chartsTitle);
    EXPECT_EQ(charts.loadsChart().axes(Qt::Horizontal).front()->titleText(), c.alphaAxis);
    EXPECT_EQ(
        inLocale(QStringLiteral("M₁ [-]\tT [K]\n0.8905\t273\n"), window.locale().decimalPoint()),
        c.copied);
  }
  EXPECT_TRUE(installLanguage(QStringLiteral("ru")));
  EXPECT_FALSE(installLanguage(QStringLiteral("de")));
  EXPECT_EQ(currentLanguage(), Language::Russian);
}

TEST(LanguageTest, FieldsAndPictureArePlainTextForAScreenReader) {
  FlowModel model;
  MainDialog window(model);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  window.flowView().stopTimer();
  const std::pair<FieldId, const char*> names[] = {
      {FieldId::V1, "V₁, velocity, m/s"},
      {FieldId::T1, "T₁, temperature, K"},
      {FieldId::P1, "P₁, pressure, Pa"},
      {FieldId::Rho1, "ρ₁, density, kg/m³"},
      {FieldId::C1, "c₁, speed of sound, m/s"},
      {FieldId::M1, "M₁, Mach number, no unit"},
      {FieldId::V01, "V₀₁, specific volume, m³/kg"},
      {FieldId::T, "T, temperature at the point, K"},
      {FieldId::P, "P, pressure at the point, Pa"},
      {FieldId::Rho, "ρ, density at the point, kg/m³"},
      {FieldId::C, "c, speed of sound at the point, m/s"},
      {FieldId::M, "M, Mach number at the point, no unit"},
      {FieldId::V0, "V₀, specific volume at the point, m³/kg"},
      {FieldId::V, "V, velocity at the point, m/s"},
      {FieldId::Vphi, "V_φ, velocity along the turned stream, m/s"},
      {FieldId::Vr, "V_r, velocity across the turned stream, m/s"},
  };
  for (const auto& [id, name] : names)
    EXPECT_EQ(accessible(&window.field(id), QAccessible::Name), QString::fromUtf8(name));

  // Tab from the last input runs through the outputs to the picture.
  window.field(FieldId::P1).setFocus();
  for (const auto& [id, name] : names) {
    if (id == FieldId::V1 || id == FieldId::T1 || id == FieldId::P1) continue;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &window.field(id)) << name;
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), &window.flowView());

  // The picture says the angle and the regime, and follows a turn (one degree per key).
  FlowView& view = window.flowView();
  EXPECT_EQ(accessible(&view, QAccessible::Name), QStringLiteral("Flow picture"));
  window.field(FieldId::V1).setText(QStringLiteral("900"));
  QTest::keyClick(&window.field(FieldId::V1), Qt::Key_Return);
  view.setFocus();
  for (int i = 0; i < 25; ++i) QTest::keyClick(&view, Qt::Key_Left);
  const QString description = accessible(&view, QAccessible::Description);
  EXPECT_TRUE(description.startsWith(QString::fromUtf8("Angle of attack α = 9.62°. ")))
      << description.toStdString();
  EXPECT_TRUE(description.endsWith(window.regimeLabel().text())) << description.toStdString();
  EXPECT_FALSE(description.contains(QLatin1Char('<')));

  // Every item of the context menu can be reached from the keyboard.
  QList<QAction*> items = window.languageActions();
  items << &window.aboutAction() << window.theoryAction();
  for (QAction* item : items)
    EXPECT_TRUE(item->text().contains(QLatin1Char('&')) || !item->shortcut().isEmpty())
        << item->text().toStdString();
}

TEST(LanguageTest, AScreenReaderTurnsThePlateAsASlider) {
  FlowModel model;
  MainDialog window(model);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(&window.flowView());
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->role(), QAccessible::Slider);
  QAccessibleValueInterface* alpha = picture->valueInterface();
  ASSERT_NE(alpha, nullptr);
  EXPECT_EQ(alpha->minimumValue().toDouble(), 0.0);
  EXPECT_EQ(alpha->maximumValue().toDouble(), 75.0);
  // Set through the slider, by the α field or beyond the limit: all read back alike.
  const struct {
    const char* how;
    std::function<void()> turn;
    double degrees;
  } turns[] = {
      {"slider", [&] { alpha->setCurrentValue(20.0); }, 20.0},
      {"α field", [&] { window.angleField().setValue(12.5); }, 12.5},
      {"beyond 75°", [&] { alpha->setCurrentValue(90.0); }, 75.0},
  };
  for (const auto& t : turns) {
    t.turn();
    EXPECT_DOUBLE_EQ(alpha->currentValue().toDouble(), t.degrees) << t.how;
    EXPECT_DOUBLE_EQ(window.angleField().value(), t.degrees) << t.how;
  }
  // The regime line is reachable and explains itself.
  EXPECT_EQ(window.regimeLabel().focusPolicy(), Qt::TabFocus);
  EXPECT_FALSE(accessible(&window.regimeLabel(), QAccessible::Description).isEmpty());
}

}  // namespace
