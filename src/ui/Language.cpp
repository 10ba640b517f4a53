// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Language.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace {
// The program's own translations are compiled into it; Qt's come from where Qt keeps them,
// and a missing one only leaves Qt's standard texts in English.
struct Installed {
  Language language = Language::English;
  std::unique_ptr<QTranslator> own;
  std::unique_ptr<QTranslator> qt;
};

Installed& installed() {
  static Installed state;
  return state;
}

QString code(Language language) {
  return language == Language::Russian ? QStringLiteral("ru") : QStringLiteral("en");
}

std::unique_ptr<QTranslator> loaded(const QString& file, const QString& folder) {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(file, folder)) return nullptr;
  QCoreApplication::installTranslator(translator.get());
  return translator;
}
}  // namespace

std::optional<Language> parseLanguage(const QString& code) {
  if (code == QLatin1String("ru")) return Language::Russian;
  if (code == QLatin1String("en")) return Language::English;
  return std::nullopt;
}

Language systemLanguage() {
  return QLocale::system().language() == QLocale::Russian ? Language::Russian : Language::English;
}

Language currentLanguage() {
  return installed().language;
}

void installLanguage(Language language) {
  if (language == Language::System) language = systemLanguage();
  Installed& state = installed();
  // Removing a translator already sends LanguageChange; the widgets retranslate once more
  // when the new one is in, which is cheap.
  if (state.own) QCoreApplication::removeTranslator(state.own.get());
  if (state.qt) QCoreApplication::removeTranslator(state.qt.get());
  state.own = loaded(QStringLiteral("zerkon_") + code(language), QStringLiteral(":/i18n"));
  state.qt = language == Language::English
                 ? nullptr
                 : loaded(QStringLiteral("qtbase_") + code(language),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  state.language = language;
  // The widgets are told by posted events; deliver them now, so the switch is done on return.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

bool installLanguage(const QString& code) {
  const std::optional<Language> language = parseLanguage(code);
  if (!language) return false;
  installLanguage(*language);
  return true;
}
