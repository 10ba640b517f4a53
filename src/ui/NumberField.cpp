// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/NumberField.h"

#include <QKeyEvent>

NumberField::NumberField(QWidget* parent) : QLineEdit(parent) {}

void NumberField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  emit left();
}

void NumberField::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    emit left();
    return;
  }
  QLineEdit::keyPressEvent(event);
}
