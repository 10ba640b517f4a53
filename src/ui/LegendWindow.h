// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture's legend: a small non-modal window that names each thing drawn, beside a
// sample of it in the picture's own colours and line styles.

#include <QDialog>
#include <QStringList>

class LegendWindow final : public QDialog {
  Q_OBJECT

 public:
  explicit LegendWindow(QWidget* parent = nullptr);

  // The descriptions, one per thing drawn, in the order shown.
  QStringList entries() const { return texts; }

 private:
  QStringList texts;
};
