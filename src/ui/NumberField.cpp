// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/NumberField.h"

#include <QKeyEvent>

NumberField::NumberField(QWidget* parent) : QLineEdit(parent) {}

void NumberField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  emitLeft();
}

void NumberField::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    emitLeft();
    return;
  }
  if (event->key() == Qt::Key_Escape) {
    // Never passed on: in a dialog it would close the window.
    event->accept();
    if (!isReadOnly() && text() != appliedText) setText(appliedText);
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void NumberField::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (event->type() == QEvent::ReadOnlyChange) updateLook();
}

void NumberField::emitLeft() {
  appliedText = text();
  emit left();
}

void NumberField::updateLook() {
  // Only the background role is set: everything else stays inherited, and an
  // input inherits all of it again.
  QPalette look;
  if (isReadOnly()) {
    const QPalette shown = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
      look.setColor(group, QPalette::Base, shown.color(group, QPalette::Window));
  }
  setPalette(look);
}
