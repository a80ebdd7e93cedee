// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <vector>

namespace language {

namespace {

// The languages that have a catalogue, besides English, which the sources speak.
const char* const Translated[] = {"de", "es"};

std::vector<std::unique_ptr<QTranslator>>& installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

} // namespace

QList<Offer> offers() {
    QList<Offer> list{{QString(), QCoreApplication::translate("Language", "System language")},
                      {QStringLiteral("en"), QStringLiteral("English")}};
    for (const char* code : Translated) {
        const QLocale locale{QString::fromLatin1(code)};
        QString name = locale.nativeLanguageName();
        if (!name.isEmpty())
            name[0] = name[0].toUpper();
        list.append({QLatin1String(code), name});
    }
    return list;
}

QLocale localeFor(const QString& code) {
    for (const Offer& offer : offers())
        if (!code.isEmpty() && offer.code == code)
            return QLocale(code);
    return QLocale::system();
}

bool install(const QString& code, const QStringList& names) {
    for (const auto& translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
    const QLocale locale = localeFor(code);
    // The system's locale is not asked for its language: "LANG=en_US LANGUAGE=de" wants German.
    if (!code.isEmpty() && locale.language() == QLocale::English)
        return true;

    bool ownFound = false;
    for (const QString& name : names) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(locale, name, QStringLiteral("_"), QStringLiteral(":/i18n")))
            continue;
        ownFound = ownFound || name == names.first();
        QCoreApplication::installTranslator(translator.get());
        installed().push_back(std::move(translator));
    }
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        installed().push_back(std::move(qt));
    }
    return ownFound;
}

} // namespace language
