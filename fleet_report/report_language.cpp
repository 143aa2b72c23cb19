#include "fleet_report/report_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>

namespace quelmo::fleet {

namespace {
constexpr auto kTranslations = ":/i18n";
}

QString InstallReportTranslation(QCoreApplication& app) {
    const QString english = QStringLiteral("en");
    const QStringList available =
        QDir(QString::fromLatin1(kTranslations)).entryList({QStringLiteral("quelmo_*.qm")});
    for (const QString& language : QLocale::system().uiLanguages()) {
        // "de-AT" is served by "quelmo_de_AT", else by "quelmo_de".
        const QString full = QString(language).replace(u'-', u'_');
        const QString base = full.section(u'_', 0, 0);
        if (base == english || base == QLatin1String("C"))
            return english;
        for (const QString& name : {full, base}) {
            if (!available.contains(QStringLiteral("quelmo_%1.qm").arg(name)))
                continue;
            auto* translator = new QTranslator(&app);
            if (!translator->load(QStringLiteral("quelmo_") + name,
                                  QString::fromLatin1(kTranslations)))
                return english;
            QCoreApplication::installTranslator(translator);
            return base;
        }
    }
    return english;
}

} // namespace quelmo::fleet
