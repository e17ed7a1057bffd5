#include "dialogs/common/modal.h"

#include "dialogs/about/aboutdialog.h"
#include "dialogs/disclaimer/disclaimerdialog.h"

#include <QDialog>
#include <QScopeGuard>
#include <QScreen>
#include <QWindow>
#include <QtTest>

#include <functional>

namespace paysmith {
using Opener = std::function<void(QWidget* owner)>;
} // namespace paysmith

Q_DECLARE_METATYPE(paysmith::Opener)

namespace paysmith {

class ModalTest : public QObject {
    Q_OBJECT
  private slots:
    // Minimising a dialog that belongs to no window would leave that window
    // blocked with nothing in sight to answer: each dialog is transient for
    // the window it was opened from, asks for no minimise or maximise, keeps
    // its size, and shows centred on that window's screen.
    void dialogsBelongToTheWindowTheyWereOpenedFrom_data() {
        QTest::addColumn<Opener>("open");
        QTest::newRow("About") << Opener([](QWidget* owner) { ShowAbout({}, owner); });
        QTest::newRow("Disclaimer") << Opener([](QWidget* owner) { ShowDisclaimer(owner); });
    }

    void dialogsBelongToTheWindowTheyWereOpenedFrom() {
        QFETCH(Opener, open);
        QWidget owner;
        owner.setGeometry(10, 10, 200, 100);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        bool checked = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            const auto closeAnyway = qScopeGuard([dialog] { dialog->close(); });
            QCOMPARE(dialog->windowHandle()->transientParent(), owner.windowHandle());
            QCOMPARE(dialog->windowFlags() &
                         (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
                     Qt::WindowFlags());
            QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
            const QPoint screenCentre = owner.screen()->availableGeometry().center();
            QVERIFY((dialog->frameGeometry().center() - screenCentre).manhattanLength() <= 2);
            checked = true;
        });
        open(&owner);
        QVERIFY(checked);
    }
};

} // namespace paysmith

QTEST_MAIN(paysmith::ModalTest)
#include "modal_test.moc"
