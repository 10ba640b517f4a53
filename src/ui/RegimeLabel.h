// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The regime line under the picture: one sentence on the flow the theory finds for the
// plate as it stands, in the warning colour when the picture cannot exist, with the reason
// as its tooltip.

#include <QLabel>
#include <QPalette>

struct RegimeLine;

class RegimeLabel final : public QLabel {
  Q_OBJECT

 public:
  explicit RegimeLabel(QWidget* parent = nullptr);

  void setLine(const RegimeLine& line);
  bool warns() const { return warning; }

 private:
  QPalette normalPalette;
  bool warning = false;
};
