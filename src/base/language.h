// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QLocale>
#include <QString>

// The language the program speaks: the user's locale, or the one chosen on the Setting page
// (kept in "state.ini" as a code). The program's catalogues are built into it (":/i18n"),
// Qt's own come from the system (qt6-translations-l10n) for the texts of its dialogs.
namespace language {

// The key of the choice in "state.ini"; its value is a code below, "" for the locale's.
inline constexpr const char* ChoiceKey = "window/language";

struct Offer {
    QString code; // "" for the user's locale, else a language code ("de")
    QString name; // as the choice is shown: each language in its own words
};
// "System language" first, then every language with a catalogue, English among them.
QList<Offer> offers();

// The locale `code` names; the system's when it is empty or names no offered language.
QLocale localeFor(const QString& code);

// Installs the catalogues `names` (e.g. "tunecarver") and Qt's for the language `code` names
// into the application, replacing the ones an earlier call installed. For the system's
// language they follow its order of preference (LANGUAGE, LC_ALL, LC_MESSAGES, LANG); English
// needs none. Returns whether the first of `names` was found (true when English is chosen).
bool install(const QString& code, const QStringList& names);

} // namespace language
