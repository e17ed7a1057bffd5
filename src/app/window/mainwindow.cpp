#include "app/window/mainwindow.h"

#include "base/accessible/announcer.h"

#include "base/qt/qtstrings.h"

#include "app/core/helptopics.h"
#include "app/core/messages.h"
#include "app/i18n/translations.h"
#include "app/settings/savedvalues.h"
#include "app/settingsfile/settingsfile.h"
#include "app/window/helpwindow.h"
#include "app/window/hinttracker.h"
#include "app/window/notebook.h"
#include "app/window/panelstatusbar.h"
#include "compare/model/offersmodel.h"
#include "compare/page/comparepage.h"
#include "dialogs/common/clickable.h"
#include "dialogs/links/destinations.h"
#include "dialogs/links/promotions.h"
#include "dialogs/promo/promopages.h"
#include "loan/core/frequency.h"
#include "loan/core/matherror.h"
#include "numfield/widget/numericfield.h"
#include "schedule/page/schedulepage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>
#include <QVBoxLayout>

#include <utility>

namespace paysmith {

namespace {

TfrmMain* g_mainWindow = nullptr;

constexpr int kClientWidth = 658;
constexpr int kClientHeight = 435;
// Both loan panels with the page's margin on their left and top, and from the
// first panel's right edge to the second's left. The designed page is 654
// wide, which leaves 5 right of the second panel: with that margin the
// centred panels stand at their designed place until the page grows.
constexpr int kLoanPanelsHeight = 329;
constexpr int kLoanPanelsGap = 5;
constexpr int kLoanPanelsRightMargin = 5;

} // namespace

TfrmMain::TfrmMain(MainWindowServices services, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      m_services(std::move(services)) {
    g_mainWindow = this;
    setObjectName("frmMain");
    FormCreate();
}

TfrmMain::~TfrmMain() {
    // Destroying the children moves the focus out of a field, which would
    // call back into this window after its own destructor has run.
    m_loan1->disconnect(this);
    m_loan2->disconnect(this);
    g_mainWindow = nullptr;
}

TfrmMain* TfrmMain::instance() {
    return g_mainWindow;
}

LoanPanel* TfrmMain::loanPanel(WhichLoan loan) const {
    return loan == WhichLoan::Loan1 ? m_loan1 : m_loan2;
}

void TfrmMain::FormCreate() {
    setWindowTitle(tr(kApplicationTitle));
    QFont windowFont(QStringLiteral("Arial"));
    windowFont.setPixelSize(12);
    setFont(windowFont);
    // A tooltip is a window of its own and would take Qt's default font, not
    // the program's.
    QToolTip::setFont(windowFont);

    // The designed size is the least the window takes; grown, the notebook's
    // pages take the room.
    auto* client = new QWidget(this);
    client->setMinimumSize(kClientWidth, kClientHeight);
    auto* rows = new QVBoxLayout(client);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    setCentralWidget(client);
    m_referralSuffix = toQString(referralSuffix());
    createTopPanel(client);
    createNotebook(client);
    createStatusBar(client);
    createMenus();
    m_hints = new HintTracker(this);
    connect(m_hints, &HintTracker::hintChanged, this, &TfrmMain::ShowLongHint);

    try {
        readSettingsAtStart();
    } catch (const std::exception& error) {
        m_services.showStartupError(this, QString::fromUtf8(error.what()));
    }
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive)
                    ApplicationActivate();
            });

    guarded([this] { Calculate(RecalcSource::Other); });
    guarded([this] { Calculate2(RecalcSource::Other); });

    m_firstRunHelpPending = m_firstRunDone == 0;
    m_firstRunDone = -1;

    setMinimumSize(sizeHint());
    placeAtStart();
}

void TfrmMain::placeAtStart() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    if (m_savedWindow.width > 0 && m_savedWindow.height > 0)
        resize(QSize(m_savedWindow.width, m_savedWindow.height)
                   .boundedTo(available.isValid() ? available.size()
                                                  : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX))
                   .expandedTo(minimumSize()));
    if (screen)
        move(available.center() - rect().center());
    if (m_savedWindow.maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The first run's help opens over this window, so it waits until the
    // window has its place on the screen and shows.
    if (std::exchange(m_firstRunHelpPending, false))
        QMetaObject::invokeMethod(
            this, [this] { guarded([this] { showHelpTopic(kFirstRunHelpContext); }); },
            Qt::QueuedConnection);
}

void TfrmMain::createStatusBar(QWidget* client) {
    m_statusBar = new PanelStatusBar(client);
    client->layout()->addWidget(m_statusBar);
    addDestinationSender(m_statusBar);
    m_statusBar->setWebAddress(
        toQString(linkAddress(*m_destinations.value(m_statusBar), m_referralSuffix.toStdString())));
    connect(m_statusBar, &PanelStatusBar::panelClicked, this, &TfrmMain::statusBarPanelClick);
}

void TfrmMain::createNotebook(QWidget* client) {
    m_offers = new OffersModel(this);
    m_notebook = new Notebook(client);
    m_notebook->setObjectName("nbkMain");
    m_notebook->setFocusPolicy(Qt::NoFocus);
    // Out of the Tab ring of the loan page, but the page keys and a click
    // give the tab bar the focus, where the arrow keys turn the pages.
    m_notebook->tabBar()->setFocusPolicy(Qt::ClickFocus);
    static_cast<QBoxLayout*>(client->layout())->addWidget(m_notebook, 1);
    for (const auto& [keys, step] : {std::pair{QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
                                     {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
                                     {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
                                     {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
                                     {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, step] { turnPage(step); });
    }

    // The loan page keeps its designed layout, centred in a grown window.
    // Made inside the window, so that the panels measure their captions in
    // the window's font, the one they are shown in.
    auto* page = new QWidget(m_notebook);
    page->setObjectName("Page1");
    auto* loans = new QWidget(page);
    auto* centred = new QHBoxLayout(page);
    centred->setContentsMargins(0, 0, 0, 0);
    centred->addWidget(loans, 0, Qt::AlignHCenter | Qt::AlignTop);
    m_loan1 = new LoanPanel(WhichLoan::Loan1, m_services.numberFormat, loans);
    m_loan1->move(7, 7);
    m_loan2 = new LoanPanel(WhichLoan::Loan2, m_services.numberFormat, loans);
    // A translation's longer captions widen the panels.
    m_loan2->move(m_loan1->geometry().right() + kLoanPanelsGap, 7);
    loans->setFixedSize(m_loan2->geometry().right() + 1 + kLoanPanelsRightMargin,
                        kLoanPanelsHeight);
    m_notebook->addTab(page, tr(" Paysmith "));
    m_schedule = new SchedulePage(m_services.numberFormat, *m_offers);
    m_schedule->setObjectName("pgSchedule");
    m_notebook->addTab(m_schedule, tr(" Schedule "));
    m_compare = new ComparePage(
        m_services.numberFormat, *m_offers,
        aprMethodOfTerritory(QLocale::territoryToCode(QLocale().territory()).toStdString()));
    m_compare->setObjectName("pgCompare");
    m_notebook->addTab(m_compare, tr(" Compare "));
    connect(m_offers, &OffersModel::changed, m_schedule, &SchedulePage::followSchedules);
    connect(m_offers, &OffersModel::changed, m_compare, &ComparePage::followOffers);
    connect(m_offers, &OffersModel::inputsReplaced, m_compare, &ComparePage::showNewInputs);
    m_firstPromo = PromoPage::createFirst(m_referralSuffix);
    m_notebook->addTab(m_firstPromo, tr(promotions::kFirstName.data()));
    m_secondPromo = PromoPage::createSecond(m_referralSuffix);
    m_notebook->addTab(m_secondPromo, tr(promotions::kSecondName.data()));
    connect(m_firstPromo, &PromoPage::pictureClicked, this,
            [this] { guarded([this] { imgScreenShotClick(); }); });
    connect(m_secondPromo, &PromoPage::pictureClicked, this,
            [this] { guarded([this] { imgProductShotClick(); }); });

    // A field left by a click on a tab must be left while its page still
    // shows, so the focus leaves the page before the tab changes.
    connect(m_notebook, &QTabWidget::tabBarClicked, this, [this](int index) {
        if (index != m_notebook->currentIndex())
            leavePage();
    });

    for (LoanPanel* panel : {m_loan1, m_loan2}) {
        panel->setErrorHandler([this](const std::exception& error) { AppOnException(error); });
        connect(panel, &LoanPanel::workedOut, m_offers,
                [this, loan = panel->loan()](const LoanValues& values) {
                    m_offers->setLoan(loan, values);
                });
    }
}

void TfrmMain::leavePage() {
    const QWidget* focused = QApplication::focusWidget();
    if (focused && m_notebook->isAncestorOf(focused))
        m_notebook->tabBar()->setFocus(Qt::OtherFocusReason);
}

void TfrmMain::turnPage(int step) {
    // The field being typed in is left first, on its own page, and the tab
    // bar takes the focus, so a screen reader names the page turned to.
    leavePage();
    m_notebook->tabBar()->setFocus(Qt::ShortcutFocusReason);
    const int pages = m_notebook->count();
    m_notebook->setCurrentIndex((m_notebook->currentIndex() + step + pages) % pages);
}

void TfrmMain::Calculate(RecalcSource source) {
    m_loan1->recalculate(source);
}

void TfrmMain::Calculate2(RecalcSource source) {
    m_loan2->recalculate(source);
}

void TfrmMain::readSettingsAtStart() {
    const SavedValues values = loadSavedValues(m_services.numberFormat.DecimalMark());
    m_loan1->startFrom(entryOf(values.loan1));
    m_loan2->startFrom(entryOf(values.loan2));
    m_firstRunDone = values.firstRunDone ? -1 : 0;
    m_savedWindow = values.window;
    m_offers->replaceInputs(values.comparison);
}

void TfrmMain::SaveValuesAtExit() {
    SavedValues values;
    values.loan1 = savedValuesOf(m_loan1->values());
    values.loan2 = savedValuesOf(m_loan2->values());
    values.firstRunDone = m_firstRunDone != 0;
    values.comparison = m_offers->inputs();
    const QSize size = isMaximized() ? normalGeometry().size() : this->size();
    if (size != minimumSize() || isMaximized())
        values.window = {size.width(), size.height(), isMaximized()};
    saveValuesOrElsewhere(this, values, m_services.numberFormat.DecimalMark(),
                          m_services.askForAnotherSettingsFile);
}

void TfrmMain::restoreInputs(const SavedValues& defaults, InputSet which) {
    m_loan1->restoreInputs(entryOf(defaults.loan1), which);
    m_loan2->restoreInputs(entryOf(defaults.loan2), which);
}

void TfrmMain::btnResetClick() {
    m_notebook->setCurrentIndex(0);
    const SavedValues defaults = RestoreDefaults();
    restoreInputs(defaults, InputSet::All);
    // The comparison's entries too, and with them the extras.
    m_offers->replaceInputs(defaults.comparison);
    m_loan1->controls().amount->setFocus(Qt::OtherFocusReason);
    Calculate(RecalcSource::Other);
    Calculate2(RecalcSource::Other);
    // Told even when the figures were the defaults already: that is the news.
    announce(this, m_loan1->resultsSentence());
    announce(this, m_loan2->resultsSentence());
}

void TfrmMain::AppOnException(const std::exception& error) {
    auto show = [this](const QString& text) {
        m_services.showInformation(this, tr(kInformationCaption),
                                   toQString(withPlainLineBreaks(text.toStdString())));
    };
    if (!dynamic_cast<const EMathError*>(&error)) {
        show(toQString(generalErrorMessage(
            translated("paysmith::Messages", std::string_view(kGeneralErrorText)).toStdString())));
        return;
    }
    show(translated("paysmith::Messages", calculationErrorMessage()));
    restoreInputs(RestoreDefaults(), InputSet::Main);
    m_loan1->controls().amount->setFocus(Qt::OtherFocusReason);
}

void TfrmMain::ApplicationActivate() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        return;
    }
    if (QWidget* active = QApplication::activeWindow())
        active->raise();
}

void TfrmMain::mnuFileExitClick() {
    close();
}

void TfrmMain::mnuHelpContentsClick() {
    help().showContents();
}

void TfrmMain::showHelpOnPage() {
    const QWidget* page = m_notebook->currentWidget();
    if (page == m_schedule)
        showHelpTopic(kScheduleHelpContext);
    else if (page == m_compare)
        showHelpTopic(kCompareHelpContext);
    else
        help().showContents();
}

void TfrmMain::showHelpTopic(int context) {
    help().showTopic(context);
}

HelpWindow& TfrmMain::help() {
    if (!m_help)
        m_help = new HelpWindow(helpFolderFor(m_services.programFolder, m_services.language), this);
    return *m_help;
}

void TfrmMain::FormClose() {
    if (m_help)
        m_help->close();
    leaveFocusedField();
    SaveValuesAtExit();
    m_saved = true;
}

void TfrmMain::leaveFocusedField() {
    // While another program's window is active the application has no focus
    // widget, but this window still knows the field last typed into.
    QWidget* focused = focusWidget();
    if (!focused)
        return;
    auto* field = qobject_cast<TNumericField*>(focused);
    if (focused == QApplication::focusWidget()) {
        // As turning the page does: the field's exit handling stores a valid
        // entry and recalculates its loan.
        m_notebook->tabBar()->setFocus(Qt::OtherFocusReason);
    } else if (field) {
        // An inactive window's focus moves without focus events, so the
        // field is told directly.
        field->model().focusOut(FocusTarget::OtherControl);
    }
    if (!field || field->LastValidationCode() == 0)
        return;
    // A rejected entry: its message, which the field has posted, shows now,
    // once. Then the field goes back to its last valid value, which is what
    // the loans are worked out with and saved; the close goes on.
    QCoreApplication::sendPostedEvents(field, QEvent::MetaCall);
    field->model().command(EntryCommand::ccRestore);
    Calculate(RecalcSource::Other);
    Calculate2(RecalcSource::Other);
    // Told even when the figures were the defaults already: that is the news.
    announce(this, m_loan1->resultsSentence());
    announce(this, m_loan2->resultsSentence());
}

void TfrmMain::SaveWithoutDisplay() noexcept {
    if (m_saved)
        return;
    m_saved = true;
    try {
        // Only the field's model is asked: the display is gone, so nothing
        // may wait for it, focus it or show a message on it.
        if (auto* field = qobject_cast<TNumericField*>(focusWidget())) {
            field->model().focusOut(FocusTarget::OtherControl);
            if (field->LastValidationCode() != 0)
                field->model().command(EntryCommand::ccRestore);
        }
        Calculate(RecalcSource::Other);
        Calculate2(RecalcSource::Other);
        SaveValuesAtExit();
    } catch (...) {
        // The program is ending and has no one to tell.
    }
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    guarded([this] { FormClose(); });
    event->accept();
}

void TfrmMain::contextMenuEvent(QContextMenuEvent* event) {
    m_popup->exec(event->globalPos());
}

} // namespace paysmith
