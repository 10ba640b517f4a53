// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/RegimeLabel.h"

#include "app/RegimeLine.h"
#include "ui/TheoryWindow.h"

RegimeLabel::RegimeLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setTextInteractionFlags(Qt::TextSelectableByMouse);
  normalPalette = palette();
}

void RegimeLabel::setLine(const RegimeLine& line) {
  setText(QString::fromStdString(line.sentence));
  setToolTip(QString::fromStdString(line.explanation));
  warning = !line.realFlow;
  QPalette shown = normalPalette;
  // The same colour as the theory window's warning, so the two read as one.
  if (warning) shown.setColor(QPalette::WindowText, TheoryWindow::kWarningColour);
  setPalette(shown);
}
