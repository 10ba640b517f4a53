// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AboutDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Version.h"
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
  auto* column = new QVBoxLayout;
  row->addLayout(column, 1);
  column->addWidget(text);

  auto* version = new QLabel(
      tr("zerkon %1")
          .arg(QString::fromLatin1(kVersion.data(), static_cast<qsizetype>(kVersion.size()))),
      this);
  version->setObjectName(QStringLiteral("version"));
  column->addWidget(version);
  // Plain text: the licence is read, not followed as a link.
  auto* licence = new QLabel(tr("Copyright © 2026 the zerkon developers.\n"
                                "Free software under the GNU General Public License, version 3 "
                                "or (at your option) any later version (GPL-3.0-or-later). It "
                                "comes with ABSOLUTELY NO WARRANTY."),
                             this);
  licence->setObjectName(QStringLiteral("licence"));
  licence->setTextFormat(Qt::PlainText);
  licence->setWordWrap(true);
  column->addWidget(licence);

  ok = new QPushButton(tr("OK"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
}
