// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One number in a single-line text field; the text is the field's only
// state. Outputs are read-only and look it (the window's background behind
// the text, as read-only edit controls have); inputs keep the white editable
// look and scroll horizontally as they are typed.
//
// left() fires on every loss of focus, changed text or not, and on Return or
// Enter, which the field keeps to itself so that no window closes on it.
// Escape puts back the text that was last applied (the text at the last
// left(), or at markApplied()) and goes no further either.

#include <QLineEdit>

class NumberField final : public QLineEdit {
  Q_OBJECT

 public:
  explicit NumberField(QWidget* parent = nullptr);

  // The current text is what the window now works with.
  void markApplied() { appliedText = text(); }

 signals:
  void left();

 protected:
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void emitLeft();
  // The background for the read-only state, from the current palette.
  void updateLook();

  QString appliedText;  // what Escape puts back
};
