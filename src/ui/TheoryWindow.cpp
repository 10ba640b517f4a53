// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TheoryWindow.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/RegimeLine.h"
#include "app/TheoryReport.h"

namespace {
const QString kAbsent = QStringLiteral("—");

QString fromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString meaningFor(theory::Regime regime) {
  switch (regime) {
    case theory::Regime::Subsonic:
      return QObject::tr(
          "The picture does not describe this flow: a subsonic stream has no "
          "Mach angle, and it is not turned by fronts at the plate's edges.");
    case theory::Regime::Detached:
      return QObject::tr(
          "The picture does not describe this flow: the real shock stands "
          "detached ahead of the plate, with subsonic gas behind it.");
    case theory::Regime::Vacuum:
      return QObject::tr(
          "The picture does not describe this flow: the gas above the plate "
          "would have to expand beyond zero pressure.");
    case theory::Regime::InvalidInput:
      return QObject::tr("The theory cannot take this free stream.");
    case theory::Regime::ShockExpansion:
    case theory::Regime::MachWaves:
      break;
  }
  return {};
}

QFrame* separator() {
  auto* line = new QFrame;
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}
}  // namespace

TheoryWindow::TheoryWindow(FlowModel& model, QWidget* parent) : QDialog(parent), model(model) {
  setWindowTitle(tr("Shock-expansion theory"));
  setModal(false);
  if (parent) setWindowIcon(parent->windowIcon());

  auto* layout = new QVBoxLayout(this);
  // What the theory is asked: the free stream as the model holds it, and the plate angle.
  auto* asked = new QGridLayout;
  int column = 0;
  for (const char* name : {"M₁", "α", "V₁", "ρ₁"}) {
    asked->addWidget(new QLabel(QString::fromUtf8(name) + QStringLiteral(" =")), 0, column++);
    addValue(*asked, 0, column++, name);
    values[name]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  }
  asked->setColumnStretch(column - 1, 1);
  layout->addLayout(asked);
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
  faces->addWidget(heading(tr("lower face: shock")), 0, 1);
  faces->addWidget(heading(tr("upper face: expansion")), 0, 2);
  const std::pair<QString, std::string> faceRows[] = {
      {tr("wave angle β / ν(M₁)+α"), ""},     {QStringLiteral("M"), "M"},
      {QStringLiteral("p/p₁"), "p/p₁"},       {QStringLiteral("T/T₁"), "T/T₁"},
      {QStringLiteral("ρ/ρ₁"), "ρ/ρ₁"},       {tr("p/p₁ of the model"), "p/p₁ model"},
      {tr("model / exact"), "model / exact"},
  };
  int row = 1;
  for (const auto& [name, suffix] : faceRows) {
    faces->addWidget(new QLabel(name), row, 0);
    addValue(*faces, row, 1, suffix.empty() ? "lower β" : "lower " + suffix);
    addValue(*faces, row, 2, suffix.empty() ? "upper ν(M₁)+α" : "upper " + suffix);
    ++row;
  }
  layout->addLayout(faces);
  layout->addWidget(separator());

  // The plate as a whole: shock-expansion beside Ackeret where both give a value.
  auto* plate = new QGridLayout;
  plate->addWidget(heading(tr("shock-expansion")), 0, 1);
  plate->addWidget(heading(tr("Ackeret")), 0, 2);
  const std::tuple<QString, std::string, std::string> plateRows[] = {
      {QStringLiteral("c<sub>l</sub>"), "c_l", "Ackeret c_l"},
      {QStringLiteral("c<sub>d</sub>"), "c_d", "Ackeret c_d"},
      {QStringLiteral("c<sub>n</sub>"), "c_n", ""},
      {QStringLiteral("L/D"), "L/D", ""},
      {tr("lift per metre of span (1 m chord)"), "lift, 1 m chord", ""},
      {tr("drag per metre of span (1 m chord)"), "drag, 1 m chord", ""},
      {tr("largest attached deflection θmax"), "θmax", ""},
  };
  row = 1;
  for (const auto& [name, exact, linear] : plateRows) {
    plate->addWidget(new QLabel(name), row, 0);
    addValue(*plate, row, 1, exact);
    if (!linear.empty()) addValue(*plate, row, 2, linear);
    ++row;
  }
  layout->addLayout(plate);
  layout->addStretch();
  refresh();
}

QLabel* TheoryWindow::heading(const QString& text) {
  auto* label = new QLabel(text);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

void TheoryWindow::addValue(QGridLayout& grid, int row, int column,
                            const std::string& reportLabel) {
  auto* label = new QLabel(kAbsent);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  grid.addWidget(label, row, column);
  values[reportLabel] = label;
}

bool TheoryWindow::picturesRealFlow(theory::Regime regime) {
  return ::picturesRealFlow(regime);
}

void TheoryWindow::refresh() {
  const TheoryReport report = makeTheoryReport(model);
  std::map<std::string, QString> shown;
  for (const ReportLine& line : reportLines(report)) shown[line.label] = fromUtf8(line.value);
  const auto text = [&shown](const std::string& label) {
    const auto found = shown.find(label);
    return found == shown.end() || found->second.isEmpty() ? kAbsent : found->second;
  };

  for (auto& [label, widget] : values) widget->setText(text(label));
  regime->setText(report.message.empty() ? kAbsent : fromUtf8(report.message));

  warning = !picturesRealFlow(report.regime);
  QPalette palette = normalPalette;
  if (warning) palette.setColor(QPalette::WindowText, kWarningColour);
  regime->setPalette(palette);
  note->setText(meaningFor(report.regime));
}

QString TheoryWindow::regimeText() const {
  return regime->text();
}

QColor TheoryWindow::regimeColour() const {
  return regime->palette().color(QPalette::WindowText);
}

QString TheoryWindow::value(const std::string& reportLabel) const {
  const auto found = values.find(reportLabel);
  return found == values.end() ? QString() : found->second->text();
}

QString TheoryWindow::allText() const {
  QStringList lines;
  for (const QLabel* label : findChildren<QLabel*>()) lines << label->text();
  return lines.join(QLatin1Char('\n'));
}
