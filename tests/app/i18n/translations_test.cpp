#include "app/i18n/translations.h"

#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

namespace paysmith {
namespace {

struct Speaker {
    const char* locale;
    const char* language; // what installTranslations answers
    const char* ours;     // a text of the command line, as it reads then
    const char* qts;      // one of Qt's own
};

// Each user starts a program of their own: the translators go with its
// application object.
TEST(InstallTranslations, speaksTheUsersLanguageWherePaysmithHasIt) {
    const Speaker speakers[] = {
        {"de_DE", "de", "%1 kann nicht gelesen werden: %2", "Abbrechen"},
        {"de_AT", "de", "%1 kann nicht gelesen werden: %2", "Abbrechen"},
        // Paysmith has no French, so Qt's buttons stay English beside it.
        {"fr_FR", "", "cannot read %1: %2", "Cancel"},
        {"en_US", "", "cannot read %1: %2", "Cancel"},
    };
    for (const Speaker& speaker : speakers) {
        SCOPED_TRACE(speaker.locale);
        QLocale::setDefault(QLocale(QString::fromLatin1(speaker.locale)));
        int argc = 1;
        char name[] = "paysmith";
        char* argv[] = {name, nullptr};
        QCoreApplication app(argc, argv);
        EXPECT_EQ(installTranslations(app).toStdString(), speaker.language);
        EXPECT_EQ(QCoreApplication::translate("paysmith::CommandLine", "cannot read %1: %2")
                      .toStdString(),
                  speaker.ours);
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel").toStdString(),
                  speaker.qts);
    }
}

} // namespace
} // namespace paysmith
