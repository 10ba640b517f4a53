// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One number in a single-line text field; the text is the field's only
// state. Outputs are read-only, inputs scroll horizontally as they are typed.
//
// left() fires on every loss of focus, changed text or not, and on Return or
// Enter, which the field keeps to itself so that no window closes on it.

#include <QLineEdit>

class NumberField final : public QLineEdit {
  Q_OBJECT

 public:
  explicit NumberField(QWidget* parent = nullptr);

 signals:
  void left();

 protected:
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};
