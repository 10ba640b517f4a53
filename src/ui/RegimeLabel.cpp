// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/RegimeLabel.h"

#include <QCoreApplication>

#include "app/RegimeLine.h"
#include "ui/ReadableColour.h"
#include "ui/TheoryWindow.h"

RegimeLabel::RegimeLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  // A long sentence takes a second line rather than widening the window.
  setWordWrap(true);
  // Reachable with Tab, its explanation read as its description.
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setFocusPolicy(Qt::TabFocus);
  normalPalette = palette();
}

void RegimeLabel::setLine(const RegimeLine& line) {
  // The sentence is translated before its numbers go in, so a translation can place them.
  QString sentence = QCoreApplication::translate(kRegimeLineContext, line.sentenceTemplate);
  for (const std::string& argument : line.arguments)
    sentence = sentence.arg(QString::fromStdString(argument));
  setText(sentence);
  setToolTip(QCoreApplication::translate(kRegimeLineContext, line.explanationText));
  setAccessibleDescription(toolTip());
  warning = !line.realFlow;
  QPalette shown = normalPalette;
  // The same colour as the theory window's warning, so the two read as one.
  if (warning)
    shown.setColor(QPalette::WindowText,
                   readableOn(TheoryWindow::kWarningColour, normalPalette.color(QPalette::Window)));
  setPalette(shown);
}
