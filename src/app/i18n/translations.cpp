#include "app/i18n/translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace paysmith {

QString installTranslations(QCoreApplication& app) {
    auto* own = new QTranslator(&app);
    if (!own->load(QLocale(), QStringLiteral("paysmith"), QStringLiteral("_"),
                   QStringLiteral(":/i18n"))) {
        delete own;
        return {};
    }
    app.installTranslator(own);
    // Qt's texts follow the language Paysmith speaks, never one it does not.
    const QLocale language(own->language());
    auto* qt = new QTranslator(&app);
    if (qt->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
    else
        delete qt;
    return QLocale::languageToCode(language.language());
}

QString helpFolderFor(const QString& programFolder, const QString& language) {
    const QString help = programFolder + QStringLiteral("help");
    const QString translated = help + u'/' + language;
    return !language.isEmpty() && QFileInfo(translated).isDir() ? translated : help;
}

} // namespace paysmith
