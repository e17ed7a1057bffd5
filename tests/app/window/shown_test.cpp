// What a user sees of every page and dialog at the designed size: each
// control that the program did not hide on purpose shows, says something and
// fits its room, in colours that read in a light or a dark desktop palette.
#include "app/window/settledwindow.h"

#include "app/i18n/translations.h"
#include "app/window/application.h"
#include "base/qt/readablecolour.h"
#include "dialogs/about/aboutdialog.h"
#include "dialogs/disclaimer/disclaimerdialog.h"
#include "dialogs/richlabel/richlabel.h"
#include "dialogs/urllabel/urllabel.h"
#include "figures/kit/yearschart.h"
#include "numfield/widget/numericfield.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace paysmith {

namespace {

QString plain(QString text) {
    return text.remove(u'&').trimmed();
}

// Whether a picture of the widget holds more than one colour: a label, a
// field or a button that draws nothing shows its background alone.
bool drawsSomething(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0))
                return true;
    return false;
}

// What is wrong with `widget` as shown, or "" when nothing is.
QString problemOf(QWidget* widget) {
    const QString name = widget->objectName().isEmpty()
                             ? QString::fromLatin1(widget->metaObject()->className())
                             : widget->objectName();
    if (!widget->isVisible())
        return name + QStringLiteral(" is not shown");
    const QRect inWindow(widget->mapTo(widget->window(), QPoint()), widget->size());
    if (!widget->window()->rect().contains(inWindow))
        return name + QStringLiteral(" reaches past its window");
    if (auto* rich = qobject_cast<TRichLabel*>(widget)) {
        // A closing line break leaves a blank line that nobody sees cut.
        int bottom = 0;
        for (const LaidOutLine& line : rich->layout().lines)
            for (const PlacedRun& run : line.runs)
                if (!QString::fromStdU16String(run.text).trimmed().isEmpty())
                    bottom = line.top + line.height;
        if (bottom == 0)
            return name + QStringLiteral(" has no text");
        if (bottom > rich->height())
            return name + QStringLiteral(" cuts its last line");
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        const bool picture = !label->pixmap().isNull();
        if (!picture && plain(label->text()).isEmpty())
            return name + QStringLiteral(" is empty");
        if (!picture && !label->wordWrap() && label->textFormat() != Qt::RichText &&
            label->fontMetrics().horizontalAdvance(plain(label->text())) >
                label->contentsRect().width())
            return name + QStringLiteral(" cuts its text \"%1\"").arg(plain(label->text()));
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        if (plain(button->text()).isEmpty() && button->icon().isNull())
            return name + QStringLiteral(" is empty");
        if (button->fontMetrics().horizontalAdvance(plain(button->text())) > button->width())
            return name + QStringLiteral(" cuts its text \"%1\"").arg(plain(button->text()));
    } else if (auto* field = qobject_cast<TNumericField*>(widget)) {
        if (field->text().trimmed().isEmpty())
            return name + QStringLiteral(" is empty");
        if (field->fontMetrics().horizontalAdvance(field->text()) > field->width())
            return name + QStringLiteral(" cuts its number \"%1\"").arg(field->text());
    }
    if (!drawsSomething(widget))
        return name + QStringLiteral(" draws nothing");
    return {};
}

// The labels, pictures, buttons and fields below `top` that the program did
// not hide on purpose, and what is wrong with each.
QStringList problemsBelow(QWidget* top) {
    QStringList problems;
    int controls = 0;
    for (QWidget* widget : top->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QLabel*>(widget) || qobject_cast<TRichLabel*>(widget) ||
                             qobject_cast<QAbstractButton*>(widget) ||
                             qobject_cast<TNumericField*>(widget) ||
                             qobject_cast<QComboBox*>(widget);
        // A control hidden by the program (a note, a choice that does not
        // apply) or below such a one is not the user's to see.
        bool hiddenOnPurpose = false;
        for (QWidget* w = widget; w && w != top; w = w->parentWidget())
            hiddenOnPurpose = hiddenOnPurpose ||
                              (w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide));
        // The tab bar's scroll buttons and a table's corner belong to them.
        const bool part = qobject_cast<QTabBar*>(widget->parentWidget()) ||
                          qobject_cast<QAbstractItemView*>(widget->parentWidget());
        if (!control || hiddenOnPurpose || part)
            continue;
        ++controls;
        if (QString problem = problemOf(widget); !problem.isEmpty())
            problems << problem;
    }
    if (controls == 0)
        problems << QStringLiteral("nothing to see");
    return problems;
}

// A dark desktop theme's palette.
QPalette darkPalette() {
    QPalette dark(QColor(53, 53, 53), QColor(53, 53, 53));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::Link, QColor(42, 130, 218));
    return dark;
}

// The texts shown below `top` whose colour does not stand out from what is
// behind it: fields, links, labels and the current tab.
QStringList unreadableBelow(QWidget* top) {
    QStringList problems;
    const auto check = [&](QWidget* widget, const char* what, QColor text, QColor behind) {
        if (const double ratio = contrastRatio(text, behind); ratio < kTextContrast)
            problems << QStringLiteral("%1%2 in %3 on %4 (%5:1)")
                            .arg(widget->objectName(), what, text.name(), behind.name())
                            .arg(ratio, 0, 'f', 1);
    };
    for (QWidget* widget : top->findChildren<QWidget*>()) {
        if (!widget->isVisible() || !widget->isEnabled())
            continue;
        const QColor text = widget->palette().color(widget->foregroundRole());
        const QColor behind = widget->palette().color(widget->backgroundRole());
        if (auto* field = qobject_cast<TNumericField*>(widget))
            check(field, "", field->shownColors().TextColor, field->shownColors().BackColor);
        else if (auto* link = qobject_cast<TUrlLabel*>(widget))
            check(link, "", link->shownColour(), behind);
        else if (auto* label = qobject_cast<QLabel*>(widget); label && label->pixmap().isNull())
            check(label, "", text, behind);
        else if (auto* rich = qobject_cast<TRichLabel*>(widget)) {
            check(rich, "", text, behind);
            check(rich, " link", rich->shownURLColor(), behind);
        } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            const QColor caption = tabs->tabTextColor(tabs->currentIndex());
            check(tabs, " current tab", caption.isValid() ? caption : text, behind);
        }
    }
    return problems;
}

} // namespace

class ShownTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { installTranslations(*qApp); }

    void init() {
        // A desktop in a dark theme, or one turned dark under the open window.
        m_palette = QApplication::palette();
        const QByteArray tag(QTest::currentDataTag());
        if (tag.contains("in a dark palette"))
            QApplication::setPalette(darkPalette());
        m_config = std::make_unique<QTemporaryDir>();
        m_window = testing_support::openSettledWindow(*m_config);
        QVERIFY(m_window);
        if (tag.contains("turned dark"))
            QApplication::setPalette(darkPalette());
    }

    void cleanup() {
        m_window.reset();
        m_config.reset();
        QApplication::setPalette(m_palette);
    }

    // What only a dialog, a printout or an unopened list needs is made or
    // loaded when first used: at start it would only cost every run memory.
    // First, before any test opens a dialog or a page in this process.
    void theWindowOpensWithoutWhatItDoesNotShow() {
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        const QByteArray mapped = maps.readAll();
        for (const char* library : {"/libjpeg.", "/paysmith_logo.so", "/paysmith_print.so",
                                    "/libQt6PrintSupport.", "/libcups.", "/libQt6Network."})
            QVERIFY2(!mapped.contains(library), library);
        QVERIFY(m_window->findChildren<QAbstractItemView*>().isEmpty());
    }

    // Each page, reached every way a user can: a click on its tab, the keys
    // that turn the pages forward and back.
    void everyPageShowsWhatItHolds_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("key"); // 0: a click on the page's tab
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        const struct {
            const char* name;
            int key;
            Qt::KeyboardModifiers modifiers;
        } ways[] = {{"click", 0, {}},
                    {"Ctrl+Tab", Qt::Key_Tab, Qt::ControlModifier},
                    {"Ctrl+PgDn", Qt::Key_PageDown, Qt::ControlModifier},
                    {"Ctrl+Shift+Tab", Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier}};
        for (int page = 0; page < 5; ++page)
            for (const auto& way : ways)
                QTest::addRow("page %d by %s", page, way.name) << page << way.key << way.modifiers;
        for (int page = 0; page < 5; ++page)
            for (const char* dark : {"in a dark palette", "turned dark"})
                QTest::addRow("page %d %s", page, dark) << page << 0 << Qt::KeyboardModifiers();
    }

    void everyPageShowsWhatItHolds() {
        QFETCH(int, page);
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QTabWidget* notebook = m_window->notebook();
        if (key == 0) {
            QTabBar* tabs = notebook->tabBar();
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page).center());
        } else {
            const int pages = notebook->count();
            const int step = modifiers & Qt::ShiftModifier ? -1 : 1;
            notebook->setCurrentIndex((page - step + pages) % pages);
            QTest::keyClick(m_window.get(), Qt::Key(key), modifiers);
        }
        QCOMPARE(notebook->currentIndex(), page);
        QWidget* shown = notebook->currentWidget();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QCoreApplication::processEvents();
        const QStringList problems = problemsBelow(shown) + unreadableBelow(m_window.get());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    }

    void everyDialogShowsWhatItHolds_data() {
        QTest::addColumn<QString>("dialog");
        QTest::newRow("About") << QStringLiteral("About");
        QTest::newRow("Disclaimer") << QStringLiteral("Disclaimer");
        QTest::newRow("About in a dark palette") << QStringLiteral("About");
        QTest::newRow("Disclaimer in a dark palette") << QStringLiteral("Disclaimer");
    }

    void everyDialogShowsWhatItHolds() {
        QFETCH(QString, dialog);
        QStringList problems{QStringLiteral("the dialog did not open")};
        QTimer::singleShot(0, this, [&] {
            QDialog* open = dialog == QLatin1String("About")
                                ? static_cast<QDialog*>(TfrmAbout::instance())
                                : static_cast<QDialog*>(TfrmDisclaim::instance());
            if (!open)
                return;
            if (!QTest::qWaitForWindowExposed(open))
                return;
            problems = problemsBelow(open) + unreadableBelow(open);
            open->reject();
        });
        if (dialog == QLatin1String("About"))
            m_window->ShowAbout();
        else
            m_window->ShowDisclaimer();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    }

    // Maximised on a laptop's 1,280 x 800 screen, in English and in German
    // (the tests shown_laptop and shown_laptop_german), whether reopened so or
    // maximised again after the pages were seen at the normal size: the room
    // goes to what the pages show. Loan 2's fees make the costs cross a year
    // or so past the years kept, so that two marks' labels meet.
    void maximisedPagesGiveTheirRoomToWhatTheyShow_data() {
        QTest::addColumn<bool>("again");
        QTest::newRow("reopened maximised") << false;
        QTest::newRow("maximised again after 900 x 600") << true;
    }

    void maximisedPagesGiveTheirRoomToWhatTheyShow() {
        QFETCH(bool, again);
        if (QGuiApplication::primaryScreen()->size() != QSize(1280, 800))
            QSKIP("runs on the 1,280 x 800 screen of shown_laptop");
        m_window = testing_support::openSettledWindow(
            *m_config, "WindowWidth=900\nWindowHeight=600\nWindowMaximized=1\n"
                       "KeepYears=8\n[LastValues]\nFees2=20000\n");
        QVERIFY(m_window && m_window->isMaximized());
        QTabWidget* notebook = m_window->notebook();
        auto* schedule = m_window->findChild<QWidget*>("pgSchedule");
        auto* compare = m_window->findChild<QWidget*>("pgCompare");
        for (int shown = 0; again && shown < 2; ++shown) {
            for (QWidget* page : {compare, schedule}) {
                notebook->setCurrentWidget(page);
                QVERIFY(QTest::qWaitForWindowExposed(page));
                QCoreApplication::processEvents();
                page->layout()->activate(); // as the event loop would, now
            }
            m_window->setWindowState(shown == 0 ? Qt::WindowNoState : Qt::WindowMaximized);
        }
        QTRY_COMPARE(m_window->frameGeometry().width(),
                     m_window->screen()->availableSize().width());

        notebook->setCurrentWidget(schedule);
        auto* table = m_window->findChild<QTableView*>("tvSchedule");
        QVERIFY(QTest::qWaitForWindowExposed(table));
        QCoreApplication::processEvents();
        schedule->layout()->activate();
        QHeaderView* header = table->horizontalHeader();
        for (int column = 0; column < header->count(); ++column) {
            const int needed =
                std::max(header->sectionSizeHint(column),
                         static_cast<QAbstractItemView*>(table)->sizeHintForColumn(column));
            QVERIFY(header->sectionSize(column) >= needed);
            QVERIFY(header->sectionViewportPosition(column) + needed <= table->viewport()->width());
        }

        // From the first paint on, before the event loop runs.
        notebook->setCurrentWidget(compare);
        auto* chart = m_window->findChild<YearsChartWidget*>("chtCost");
        QVERIFY(chart->width() >= 600 && chart->height() >= 250);
        QVERIFY(QTest::qWaitForWindowExposed(chart));
        const YearsChartLayout layout = chart->laidOut();
        const std::vector<MarkLabel>& labels = layout.markLabels;
        for (std::size_t i = 0; i < labels.size(); ++i) {
            QVERIFY2(layout.plot.contains(labels[i].box), qPrintable(labels[i].text));
            for (std::size_t j = 0; j < i; ++j)
                QVERIFY2(!labels[i].box.intersects(labels[j].box), qPrintable(labels[i].text));
        }
    }

  private:
    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<TfrmMain> m_window;
    QPalette m_palette;
};

} // namespace paysmith

// QTEST_MAIN's steps, with the program's own application, whose style reads
// no image plug-in, so that the test loads what the program loads, and in
// the user's language, whose captions may be longer (shown_german).
int main(int argc, char* argv[]) {
    paysmith::PaysmithApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    paysmith::installTranslations(app);
    paysmith::ShownTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "shown_test.moc"
