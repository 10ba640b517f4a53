// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowMemory.h"

#include <QSettings>
#include <iterator>
#include <memory>

#include "ui/ChartsWindow.h"
#include "ui/Language.h"
#include "ui/LegendWindow.h"
#include "ui/MainDialog.h"
#include "ui/PictureActions.h"
#include "ui/TheoryWindow.h"
#include "view/FlowView.h"

namespace {
constexpr auto kLanguage = "language";  // "ru" or "en"
constexpr auto kZoom = "zoom";          // per cent
constexpr const char* kWindows[] = {"main", "theory", "charts", "legend"};

// The user's settings file of the program.
std::unique_ptr<QSettings> stored() {
  return std::make_unique<QSettings>(QStringLiteral("zerkon"), QStringLiteral("zerkon"));
}

QString positionKey(const char* window) {
  return QStringLiteral("position/") + QLatin1String(window);
}
}  // namespace

WindowMemory::WindowMemory(bool remember) : remember(remember) {}

RememberedWindows WindowMemory::load() const {
  RememberedWindows shown;
  if (!remember) return shown;
  const std::unique_ptr<const QSettings> file = stored();
  const QSettings& settings = *file;
  shown.language = parseLanguage(settings.value(QLatin1String(kLanguage)).toString());
  const int zoom = settings.value(QLatin1String(kZoom), 100).toInt();
  // A file edited by hand, or from another version, must not give a zoom the window lacks.
  for (const int level : FlowView::kZoomLevels)
    if (level == zoom) shown.zoom = zoom;
  for (const char* window : kWindows) {
    const QVariant at = settings.value(positionKey(window));
    if (at.canConvert<QPoint>() && at.isValid())
      shown.positions[QLatin1String(window)] = at.toPoint();
  }
  return shown;
}

void WindowMemory::save(const MainDialog& window) const {
  if (!remember) return;
  const std::unique_ptr<QSettings> file = stored();
  QSettings& settings = *file;
  settings.setValue(QLatin1String(kLanguage), currentLanguage() == Language::Russian
                                                  ? QStringLiteral("ru")
                                                  : QStringLiteral("en"));
  settings.setValue(QLatin1String(kZoom), window.zoom());
  const QWidget* const windows[] = {&window, window.theoryWindow(), window.chartsWindow(),
                                    window.pictureActions().legendWindow()};
  for (std::size_t i = 0; i < std::size(kWindows); ++i)
    // Opened in this run; closed or not, it kept where it stood.
    if (windows[i])
      settings.setValue(positionKey(kWindows[i]), windows[i]->frameGeometry().topLeft());
}

void WindowMemory::forget() const {
  if (!remember) return;
  stored()->clear();
}
