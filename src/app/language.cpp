#include "app/language.h"

#include "base/editions.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace language {

QString chosen(const QStringList& preferred) {
    for (const QString& name : preferred) {
        if (name == QLatin1String("C") || name.startsWith(QLatin1String("en")))
            return {};
        for (const QString& edition : editions::others()) {
            if (name == edition || name.startsWith(edition + u'-') ||
                name.startsWith(edition + u'_'))
                return edition;
        }
    }
    return {};
}

QStringList preferred() {
    return QLocale::system().uiLanguages();
}

QLocale formats(const QString& chosen, const QStringList& preferred, const QLocale& system) {
    if (chosen.isEmpty() || QLocale(chosen).language() == system.language())
        return system;
    for (const QString& name : preferred) {
        if (name == chosen || name.startsWith(chosen + u'-') || name.startsWith(chosen + u'_'))
            return QLocale(name);
    }
    return QLocale(chosen);
}

void install(QCoreApplication* app, const QString& chosen) {
    if (chosen.isEmpty())
        return;
    QLocale::setDefault(formats(chosen, preferred(), QLocale::system()));
    // Owned by the application, which outlives every word shown.
    auto* own = new QTranslator(app);
    if (own->load(QStringLiteral(":/i18n/orvane_%1.qm").arg(chosen)))
        QCoreApplication::installTranslator(own);
    auto* qt = new QTranslator(app);
    if (qt->load(QStringLiteral("qtbase_%1").arg(chosen),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}

} // namespace language
