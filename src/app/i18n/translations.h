#pragma once

#include <QString>

class QCoreApplication;

namespace paysmith {

// Installs the translation of the first of the user's languages
// (QLocale::uiLanguages(), so LANGUAGE and LANG) that Paysmith has, with Qt's
// own for its standard dialogs and buttons. Returns the language chosen
// ("de"), or "" when Paysmith stays English.
QString installTranslations(QCoreApplication& app);

// The help pages in `language` where Paysmith has them, else the English ones.
// `programFolder` ends in its separator.
QString helpFolderFor(const QString& programFolder, const QString& language);

} // namespace paysmith
