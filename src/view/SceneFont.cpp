// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/SceneFont.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QString>

bool loadSceneFont() {
  // Without an application object there is no font database yet; try again later.
  if (QGuiApplication::instance() == nullptr) return false;
  static const bool loaded =
      QFontDatabase::addApplicationFont(QString::fromLatin1(kSceneFontFile)) >= 0;
  return loaded;
}
