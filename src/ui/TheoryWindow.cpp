// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TheoryWindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QTextDocumentFragment>
#include <QVBoxLayout>
#include <string_view>

#include "app/RegimeLine.h"
#include "app/TheoryReport.h"
#include "ui/ReadableColour.h"

namespace {
const QString kAbsent = QStringLiteral("—");

QString fromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The report writes its units in English, as the batch tool prints them; the window shows
// them in its own language.
QString withShownUnit(const QString& value) {
  static const char* const kUnits[] = {
      QT_TRANSLATE_NOOP("TheoryWindow", "m/s"),
      QT_TRANSLATE_NOOP("TheoryWindow", "kg/m³"),
      QT_TRANSLATE_NOOP("TheoryWindow", "N/m"),
  };
  for (const char* unit : kUnits) {
    const QString suffix = QLatin1Char(' ') + QString::fromUtf8(unit);
    if (value.endsWith(suffix))
      return value.chopped(suffix.size()) + QLatin1Char(' ') + TheoryWindow::tr(unit);
  }
  return value;
}

// The regime line's sentence in the window's language, translated before its numbers go in
// (from the classification, never by matching an English sentence).
QString shownSentence(const RegimeLine& line) {
  QString sentence = QCoreApplication::translate(kRegimeLineContext, line.sentenceTemplate);
  for (const std::string& argument : line.arguments) sentence = sentence.arg(fromUtf8(argument));
  return sentence;
}

// The report's note on second order, as lupdate sees it; the same text as kSecondOrderNote.
constexpr const char* kSecondOrderNoteText = QT_TRANSLATE_NOOP(
    "TheoryWindow",
    "second order changes the face pressures only: on a flat plate it leaves c_l and c_d at "
    "Ackeret's values");
static_assert(std::string_view(kSecondOrderNoteText) == std::string_view(kSecondOrderNote));

QFrame* separator() {
  auto* line = new QFrame;
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}
}  // namespace

TheoryWindow::TheoryWindow(FlowModel& model, QWidget* parent) : QDialog(parent), model(model) {
  setModal(false);
  if (parent) setWindowIcon(parent->windowIcon());

  auto* layout = new QVBoxLayout(this);
  // What the theory is asked: the free stream as the model holds it, and the plate angle.
  auto* asked = new QGridLayout;
  int column = 0;
  for (const auto& [name, key] : {std::pair{"M₁", "mach"}, std::pair{"α", "alpha"},
                                  std::pair{"V₁", "velocity"}, std::pair{"ρ₁", "density"}}) {
    asked->addWidget(new QLabel(QString::fromUtf8(name) + QStringLiteral(" =")), 0, column++);
    addValue(*asked, 0, column++, key);
    values[key]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  }
  asked->setColumnStretch(column - 1, 1);
  layout->addLayout(asked);
  grids.push_back(asked);
  regime = new QLabel;
  regime->setWordWrap(true);
  QFont bold = regime->font();
  bold.setBold(true);
  regime->setFont(bold);
  normalPalette = regime->palette();
  note = new QLabel;
  note->setWordWrap(true);
  layout->addWidget(regime);
  layout->addWidget(note);
  layout->addWidget(separator());

  // The two faces side by side: the exact state, then the model's pressure against it.
  auto* faces = new QGridLayout;
  faces->addWidget(heading(QT_TR_NOOP("lower face: shock")), 0, 1);
  faces->addWidget(heading(QT_TR_NOOP("upper face: expansion")), 0, 2);
  // The row names with a word in them are translated; symbols alone are not.
  const std::pair<const char*, const char*> faceRows[] = {
      {QT_TR_NOOP("wave angle β / ν(M₁)+α"), "wave_angle"},
      {nullptr, "mach"},
      {nullptr, "pressure"},
      {nullptr, "temperature"},
      {nullptr, "density"},
      {QT_TR_NOOP("p/p₁ of the model"), "model_pressure"},
      {QT_TR_NOOP("model / exact"), "model_over_exact"},
      {nullptr, "cp"},
      {QT_TR_NOOP("c_p, second order"), "cp_second_order"},
      {QT_TR_NOOP("c_p, third order"), "cp_third_order"},
  };
  const char* const symbols[] = {"", "M", "p/p₁", "T/T₁", "ρ/ρ₁", "", "", "c<sub>p</sub>", "", ""};
  int row = 1;
  for (const auto& [name, key] : faceRows) {
    faces->addWidget(name ? translated(name) : new QLabel(QString::fromUtf8(symbols[row - 1])), row,
                     0);
    addValue(*faces, row, 1, std::string("lower.") + key);
    addValue(*faces, row, 2, std::string("upper.") + key);
    ++row;
  }
  layout->addLayout(faces);
  grids.push_back(faces);
  auto* secondOrder = translated(kSecondOrderNoteText);
  secondOrder->setWordWrap(true);
  layout->addWidget(secondOrder);
  layout->addWidget(separator());

  // The plate as a whole: shock-expansion beside Ackeret and the third order where they give
  // a value.
  auto* plate = new QGridLayout;
  plate->addWidget(heading(QT_TR_NOOP("shock-expansion")), 0, 1);
  plate->addWidget(heading(QT_TR_NOOP("Ackeret")), 0, 2);
  plate->addWidget(heading(QT_TR_NOOP("third order")), 0, 3);
  const std::tuple<const char*, bool, std::string, std::string, std::string> plateRows[] = {
      {"c<sub>l</sub>", false, "lift", "linear_lift", "third_order_lift"},
      {"c<sub>d</sub>", false, "drag", "linear_drag", "third_order_drag"},
      {"c<sub>n</sub>", false, "normal_force", "", ""},
      {"L/D", false, "lift_to_drag", "", ""},
      {QT_TR_NOOP("lift per metre of span (1 m chord)"), true, "lift_load", "", ""},
      {QT_TR_NOOP("drag per metre of span (1 m chord)"), true, "drag_load", "", ""},
      {QT_TR_NOOP("largest attached deflection θmax"), true, "theta_max", "", ""},
      {QT_TR_NOOP("sonic behind the shock from θ_s"), true, "theta_sonic", "", ""},
      {QT_TR_NOOP("vacuum above the plate from α"), true, "vacuum_angle", "", ""},
  };
  row = 1;
  for (const auto& [name, words, exact, linear, third] : plateRows) {
    plate->addWidget(words ? translated(name) : new QLabel(QString::fromUtf8(name)), row, 0);
    addValue(*plate, row, 1, exact);
    if (!linear.empty()) addValue(*plate, row, 2, linear);
    if (!third.empty()) addValue(*plate, row, 3, third);
    ++row;
  }
  layout->addLayout(plate);
  grids.push_back(plate);
  layout->addStretch();
  retranslate();
}

QLabel* TheoryWindow::translated(const char* text) {
  auto* label = new QLabel;
  named.emplace_back(label, text);
  return label;
}

QLabel* TheoryWindow::heading(const char* text) {
  QLabel* label = translated(text);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

void TheoryWindow::addValue(QGridLayout& grid, int row, int column, const std::string& reportKey) {
  auto* label = new QLabel(kAbsent);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // Tab reaches every value, so that a screen reader can walk the table.
  label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  label->setFocusPolicy(Qt::TabFocus);
  grid.addWidget(label, row, column);
  values[reportKey] = label;
}

bool TheoryWindow::picturesRealFlow(theory::Regime regime) {
  return ::picturesRealFlow(regime);
}

void TheoryWindow::refresh() {
  const TheoryReport report = makeTheoryReport(model);
  std::map<std::string, QString> shown;
  for (const ReportLine& line : reportLines(report))
    shown[line.key] = withShownUnit(fromUtf8(line.value));
  const auto text = [&shown](const std::string& label) {
    const auto found = shown.find(label);
    return found == shown.end() || found->second.isEmpty() ? kAbsent : found->second;
  };

  for (auto& [label, widget] : values) widget->setText(text(label));
  const RegimeLine line = describeRegime(report);
  regime->setText(shownSentence(line));

  warning = !picturesRealFlow(report.regime);
  QPalette palette = normalPalette;
  if (warning)
    palette.setColor(QPalette::WindowText,
                     readableOn(kWarningColour, normalPalette.color(QPalette::Window)));
  regime->setPalette(palette);
  note->setText(QCoreApplication::translate(kRegimeLineContext, line.explanationText));
}

void TheoryWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QDialog::changeEvent(event);
}

void TheoryWindow::nameCells(const QGridLayout& grid) {
  const auto textAt = [&grid](int row, int column) {
    const QLayoutItem* item = grid.itemAtPosition(row, column);
    const auto* label = item ? qobject_cast<const QLabel*>(item->widget()) : nullptr;
    if (!label) return QString();
    // The row names may be rich text, with subscripts read as the batch tool writes them
    // ("c_l"), or end in " =".
    QString rich = label->text();
    rich.replace(QStringLiteral("<sub>"), QStringLiteral("_")).remove(QStringLiteral("</sub>"));
    QString text = QTextDocumentFragment::fromHtml(rich).toPlainText();
    if (text.endsWith(QStringLiteral(" ="))) text.chop(2);
    return text;
  };
  for (int row = 0; row < grid.rowCount(); ++row) {
    for (int column = 1; column < grid.columnCount(); ++column) {
      const QLayoutItem* item = grid.itemAtPosition(row, column);
      auto* label = item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
      if (!label || label->focusPolicy() != Qt::TabFocus) continue;
      // A value's row name stands at the row's start, or just before it on the asked line.
      const QString rowName = row == 0 ? textAt(row, column - 1) : textAt(row, 0);
      const QString columnName = row == 0 ? QString() : textAt(0, column);
      label->setAccessibleName(columnName.isEmpty() ? rowName
                                                    : rowName + QStringLiteral(", ") + columnName);
    }
  }
}

void TheoryWindow::retranslate() {
  setWindowTitle(tr("Shock-expansion theory"));
  for (const auto& [label, text] : named) label->setText(tr(text));
  for (const QGridLayout* grid : grids) nameCells(*grid);
  refresh();
  // The other language has other widths; the window follows them.
  adjustSize();
}

QString TheoryWindow::regimeText() const {
  return regime->text();
}

QColor TheoryWindow::regimeColour() const {
  return regime->palette().color(QPalette::WindowText);
}

QString TheoryWindow::value(const std::string& reportKey) const {
  const auto found = values.find(reportKey);
  return found == values.end() ? QString() : found->second->text();
}

QString TheoryWindow::allText() const {
  QStringList lines;
  for (const QLabel* label : findChildren<QLabel*>()) lines << label->text();
  return lines.join(QLatin1Char('\n'));
}
