// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture's legend: a small non-modal window that names each thing drawn, beside a
// sample of it in the picture's own colours and line styles.

#include <QDialog>
#include <QStringList>
#include <utility>
#include <vector>

class QLabel;

class LegendWindow final : public QDialog {
  Q_OBJECT

 public:
  explicit LegendWindow(QWidget* parent = nullptr);

  // The descriptions, one per thing drawn, in the order shown.
  QStringList entries() const;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void retranslate();

  // Each description's label, owned by this window, with its English text.
  std::vector<std::pair<QLabel*, const char*>> descriptions;
};
