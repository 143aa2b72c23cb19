// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quelmo {

namespace {
constexpr auto kTranslationsFolder = ":/i18n";
}

std::optional<QString> ChooseTranslation(const QStringList& uiLanguages,
                                         const QStringList& available) {
    for (const QString& language : uiLanguages) {
        // "de-AT" is served by "de_AT", else by "de".
        const QString full = QString(language).replace(u'-', u'_');
        const QString base = full.section(u'_', 0, 0);
        if (base == QLatin1String("en") || base == QLatin1String("C"))
            return std::nullopt;
        for (const QString& name : {full, base})
            if (available.contains(name))
                return name;
    }
    return std::nullopt;
}

void InstallTranslations(QCoreApplication& app) {
    QStringList available;
    for (const QString& file : QDir(QString::fromLatin1(kTranslationsFolder))
                                   .entryList({QStringLiteral("quelmo_*.qm")}, QDir::Files))
        available << file.mid(7).chopped(3);
    const auto language = ChooseTranslation(QLocale::system().uiLanguages(), available);
    if (!language)
        return;
    auto* own = new QTranslator(&app);
    if (own->load(QStringLiteral("quelmo_") + *language, QString::fromLatin1(kTranslationsFolder)))
        QCoreApplication::installTranslator(own);
    // Qt's own translation is optional: without it the standard buttons stay English.
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + *language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}

} // namespace quelmo
