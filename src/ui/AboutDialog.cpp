// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AboutDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/FlowApp.h"

namespace {
constexpr int kIconSize = 64;  // pixels
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("About zerkon"));
  setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
  const QIcon icon = applicationIcon();
  setWindowIcon(icon);

  // Children are owned by this dialog through the layouts.
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  auto* row = new QHBoxLayout;
  layout->addLayout(row);

  auto* picture = new QLabel(this);
  picture->setPixmap(icon.pixmap(kIconSize, kIconSize));
  picture->setAlignment(Qt::AlignTop);
  row->addWidget(picture);

  auto* text = new QLabel(tr("A program that builds a visual model of supersonic flow around "
                             "an infinitely thin flat plate"),
                          this);
  text->setWordWrap(true);
  text->setMinimumWidth(280);
  row->addWidget(text, 1);

  ok = new QPushButton(tr("OK"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
}
