#include "app/window/mainwindow.h"

#include "base/qt/qtstrings.h"

#include "app/core/abort.h"
#include "app/core/helptopics.h"
#include "app/core/messages.h"
#include "app/settings/savedvalues.h"
#include "app/settingsfile/settingsfile.h"
#include "app/window/helpwindow.h"
#include "app/window/hinttracker.h"
#include "app/window/loanpanelvalues.h"
#include "app/window/notebook.h"
#include "app/window/panelstatusbar.h"
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
#include <QMenu>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>

namespace paysmith {

namespace {

TfrmMain* g_mainWindow = nullptr;

constexpr int kClientWidth = 658;
constexpr int kClientHeight = 435;
constexpr int kTopPanelHeight = 35;
constexpr int kStatusBarHeight = 19;

} // namespace

TfrmMain::TfrmMain(MainWindowServices services, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
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

LoanPanel* TfrmMain::loanPanel(LoanNumber loan) const {
    return loan == LoanNumber::First ? m_loan1 : m_loan2;
}

void TfrmMain::FormCreate() {
    setWindowTitle(tr(kApplicationTitle));
    QFont windowFont("Arial");
    windowFont.setPixelSize(12);
    setFont(windowFont);
    // A tooltip is a window of its own and would take Qt's default font, not
    // the program's.
    QToolTip::setFont(windowFont);

    auto* client = new QWidget(this);
    client->setFixedSize(kClientWidth, kClientHeight);
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

    if (m_firstRunDone == 0)
        showHelpTopic(kFirstRunHelpContext);
    m_firstRunDone = -1;

    setFixedSize(sizeHint());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TfrmMain::createStatusBar(QWidget* client) {
    m_statusBar = new PanelStatusBar(client);
    m_statusBar->setGeometry(0, kClientHeight - kStatusBarHeight, kClientWidth, kStatusBarHeight);
    addDestinationSender(m_statusBar);
    m_statusBar->setWebAddress(
        toQString(linkAddress(*m_destinations.value(m_statusBar), m_referralSuffix.toStdString())));
    connect(m_statusBar, &PanelStatusBar::panelClicked, this, &TfrmMain::statusBarPanelClick);
}

void TfrmMain::createNotebook(QWidget* client) {
    m_notebook = new Notebook(client);
    m_notebook->setObjectName("nbkMain");
    m_notebook->setGeometry(0, kTopPanelHeight, kClientWidth,
                            kClientHeight - kTopPanelHeight - kStatusBarHeight);
    m_notebook->setFocusPolicy(Qt::NoFocus);

    auto* page = new QWidget;
    page->setObjectName("Page1");
    m_loan1 = new LoanPanel(LoanNumber::First, m_services.decimalSeparator, page);
    m_loan1->move(7, 7);
    m_loan2 = new LoanPanel(LoanNumber::Second, m_services.decimalSeparator, page);
    m_loan2->move(330, 7);
    m_notebook->addTab(page, tr(" Paysmith "));
    m_schedule = new SchedulePage([this](int loan) {
        LoanPanel& panel = *(loan == 0 ? m_loan1 : m_loan2);
        const LoanState& state = panel.state();
        return ScheduleInputs{state.Amount,
                              state.Interest,
                              state.Term,
                              state.FrequencyIndex,
                              panel.controls().annualTaxes->FloatValue(),
                              panel.controls().annualInsurance->FloatValue()};
    });
    m_schedule->setObjectName("pgSchedule");
    m_notebook->addTab(m_schedule, tr(" Schedule "));
    m_firstPromo = PromoPage::createFirst(m_referralSuffix);
    m_notebook->addTab(m_firstPromo, tr(promotions::kFirstName.data()));
    m_secondPromo = PromoPage::createSecond(m_referralSuffix);
    m_notebook->addTab(m_secondPromo, tr(promotions::kSecondName.data()));
    connect(m_firstPromo->picture(), &ClickablePicture::clicked, this,
            [this] { guarded([this] { imgScreenShotClick(); }); });
    connect(m_secondPromo->picture(), &ClickablePicture::clicked, this,
            [this] { guarded([this] { imgProductShotClick(); }); });

    // The active tab's caption is blue. A style sheet would do it too, but it
    // would also stop the window's font from reaching the pages.
    auto colourActiveTab = [this](int current) {
        QTabBar* tabs = m_notebook->tabBar();
        for (int i = 0; i < tabs->count(); ++i)
            tabs->setTabTextColor(i, i == current ? QColor(Qt::blue)
                                                  : palette().color(QPalette::WindowText));
    };
    connect(m_notebook, &QTabWidget::currentChanged, this, colourActiveTab);
    colourActiveTab(m_notebook->currentIndex());

    // A field left by a click on a tab must be left while its page still
    // shows, so the focus leaves the page before the tab changes.
    connect(m_notebook, &QTabWidget::tabBarClicked, this, [this](int index) {
        if (index == m_notebook->currentIndex())
            return;
        const QWidget* focused = QApplication::focusWidget();
        if (focused && m_notebook->isAncestorOf(focused))
            m_notebook->tabBar()->setFocus(Qt::OtherFocusReason);
    });

    connect(m_loan1, &LoanPanel::recalculationRequested, this,
            [this](RecalcSource source) { guarded([&] { Calculate(source); }); });
    connect(m_loan2, &LoanPanel::recalculationRequested, this,
            [this](RecalcSource source) { guarded([&] { Calculate2(source); }); });
}

void TfrmMain::Calculate(RecalcSource source) {
    m_loan1->recalculate(source);
    m_schedule->loansChanged();
}

void TfrmMain::Calculate2(RecalcSource source) {
    m_loan2->recalculate(source);
    m_schedule->loansChanged();
}

void TfrmMain::readSettingsAtStart() {
    const SavedValues values = loadSavedValues(m_services.decimalSeparator);
    for (auto [panel, saved] : {std::pair{m_loan1, &values.loan1}, {m_loan2, &values.loan2}}) {
        LoanState& state = panel->state();
        state.Amount = saved->amount;
        state.Interest = saved->interest;
        state.Term = saved->term;
        state.Payment = saved->payment;
        showSavedInputs(*panel, *saved, SavedInputs::All);
        panel->controls().payment->setFloatValue(saved->payment);
        if (const auto index =
                frequencyIndexOf(toU16String(panel->frequencyText()), CaptionSet::ListCaptionsOnly))
            state.FrequencyIndex = *index;
    }
    m_firstRunDone = values.firstRunDone ? -1 : 0;
}

void TfrmMain::SaveValuesAtExit() {
    SavedValues values;
    values.loan1 = savedValuesOf(*m_loan1);
    values.loan2 = savedValuesOf(*m_loan2);
    values.firstRunDone = m_firstRunDone != 0;
    saveValuesOrElsewhere(this, values, m_services.decimalSeparator,
                          m_services.askForAnotherSettingsFile);
}

void TfrmMain::restoreInputs(LoanPanel& panel, const SavedLoanValues& defaults, SavedInputs which) {
    showSavedInputs(panel, defaults, which);
    panel.state().FrequencyIndex = kDefaultFrequencyIndex;
}

void TfrmMain::btnResetClick() {
    m_notebook->setCurrentIndex(0);
    const SavedValues defaults = RestoreDefaults();
    restoreInputs(*m_loan1, defaults.loan1, SavedInputs::All);
    restoreInputs(*m_loan2, defaults.loan2, SavedInputs::All);
    m_loan1->controls().amount->setFocus(Qt::OtherFocusReason);
    Calculate(RecalcSource::Other);
    Calculate2(RecalcSource::Other);
}

void TfrmMain::AppOnException(const std::exception& error) {
    auto show = [this](const std::string& text) {
        m_services.showInformation(this, tr(kInformationCaption),
                                   translated("paysmith::Messages", withPlainLineBreaks(text)));
    };
    if (dynamic_cast<const EAbort*>(&error))
        return;
    if (!dynamic_cast<const EMathError*>(&error)) {
        show(generalErrorMessage());
        return;
    }
    show(calculationErrorMessage());
    const SavedValues defaults = RestoreDefaults();
    restoreInputs(*m_loan1, defaults.loan1, SavedInputs::Main);
    restoreInputs(*m_loan2, defaults.loan2, SavedInputs::Main);
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

void TfrmMain::showHelpTopic(int context) {
    help().showTopic(context);
}

HelpWindow& TfrmMain::help() {
    if (!m_help)
        m_help = new HelpWindow(m_services.programFolder + QStringLiteral("help"), this);
    return *m_help;
}

void TfrmMain::CenterForm(QWidget* form) const {
    const QRect main = frameGeometry();
    const QRect other = form->frameGeometry();
    const int left = std::max(0, main.left() + (main.width() - other.width()) / 2);
    const int top = std::max(0, main.top() + (main.height() - other.height()) / 2);
    form->move(left, top);
}

void TfrmMain::FormClose() {
    if (m_help)
        m_help->close();
    leaveFocusedField();
    SaveValuesAtExit();
}

void TfrmMain::leaveFocusedField() {
    QWidget* focused = QApplication::focusWidget();
    if (!focused || !isAncestorOf(focused))
        return;
    // As turning the page does: the field's exit handling stores a valid
    // entry and recalculates its loan.
    m_notebook->tabBar()->setFocus(Qt::OtherFocusReason);
    auto* field = qobject_cast<TNumericField*>(focused);
    if (!field || field->LastValidationCode() == 0)
        return;
    // A rejected entry: its message, which the field has posted, shows now,
    // once. Then the field goes back to its last valid value, which is what
    // the loans are worked out with and saved; the close goes on.
    QCoreApplication::sendPostedEvents(field, QEvent::MetaCall);
    field->model().command(EntryCommand::ccRestore);
    Calculate(RecalcSource::Other);
    Calculate2(RecalcSource::Other);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    guarded([this] { FormClose(); });
    event->accept();
}

void TfrmMain::contextMenuEvent(QContextMenuEvent* event) {
    m_popup->exec(event->globalPos());
}

} // namespace paysmith
