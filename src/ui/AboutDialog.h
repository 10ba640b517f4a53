// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About box: the program's icon, what it is for, its version and licence, and OK.

#include <QDialog>

class QPushButton;

class AboutDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);

  QPushButton& okButton() const { return *ok; }

 private:
  QPushButton* ok = nullptr;  // owned by this dialog
};
