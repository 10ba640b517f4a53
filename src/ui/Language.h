// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language the window speaks: Russian or English, chosen from the system locale at
// start-up, overridden by an option, switched from the menu while the program runs. Every
// widget retranslates itself on the QEvent::LanguageChange the switch sends.

#include <QString>
#include <optional>

#include "ui/WindowCommandLine.h"

// "ru" or "en" as the option writes it; nothing for any other text.
std::optional<Language> parseLanguage(const QString& code);
// Russian for a Russian system locale, English for every other.
Language systemLanguage();
// The one in use; English before any was installed.
Language currentLanguage();

// Replaces the program's translation (its own texts and Qt's standard ones: the field's
// edit menu, the file dialog's buttons) with `language`'s. Needs the application object.
// System stands for systemLanguage().
void installLanguage(Language language);
// installLanguage for "ru" or "en", for the program's --language option; false, and
// nothing changed, for any other code.
bool installLanguage(const QString& code);
