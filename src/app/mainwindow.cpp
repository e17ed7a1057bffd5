#include "app/mainwindow.h"

#include "app/abort.h"
#include "app/helptopics.h"
#include "app/helpwindow.h"
#include "app/messages.h"
#include "app/panelstatusbar.h"
#include "app/savedvalues.h"
#include "app/settingsfile.h"
#include "loan/frequency.h"
#include "loan/matherror.h"
#include "numfield/numericfield.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>

namespace paysmith {

namespace {

TfrmMain* g_mainWindow = nullptr;

constexpr int kClientWidth = 658;
constexpr int kClientHeight = 435;
constexpr int kTopPanelHeight = 35;
constexpr int kStatusBarHeight = 19;

QString fromUtf16(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

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
    setWindowTitle(kApplicationTitle);
    QFont windowFont("Arial");
    windowFont.setPixelSize(12);
    setFont(windowFont);

    auto* client = new QWidget(this);
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
    createTopPanel(client);
    createNotebook(client);
    m_statusBar = new PanelStatusBar(client);
    m_statusBar->setGeometry(0, kClientHeight - kStatusBarHeight, kClientWidth, kStatusBarHeight);
    createMenus();

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

void TfrmMain::createNotebook(QWidget* client) {
    m_notebook = new QTabWidget(client);
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
    setTabOrder(m_loan1->controls().annualInsurance, m_loan2->controls().amount);
    m_notebook->addTab(page, " Paysmith ");

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
}

void TfrmMain::Calculate2(RecalcSource source) {
    m_loan2->recalculate(source);
}

void TfrmMain::readSettingsAtStart() {
    const SavedValues values = loadSavedValues(m_services.decimalSeparator);
    auto fill = [](LoanPanel& panel, const SavedLoanValues& saved) {
        LoanState& state = panel.state();
        state.Amount = saved.amount;
        state.Interest = saved.interest;
        state.Term = saved.term;
        state.Payment = saved.payment;
        panel.setFrequencyText(fromUtf16(saved.frequency));
        panel.controls().annualTaxes->setFloatValue(saved.taxes);
        panel.controls().annualInsurance->setFloatValue(saved.insurance);
    };
    fill(*m_loan1, values.loan1);
    fill(*m_loan2, values.loan2);
    m_firstRunDone = values.firstRunDone ? -1 : 0;

    for (LoanPanel* panel : {m_loan1, m_loan2})
        if (const auto index = frequencyIndexOf(panel->frequencyText().toStdU16String(),
                                                CaptionSet::ListCaptionsOnly))
            panel->state().FrequencyIndex = *index;

    for (LoanPanel* panel : {m_loan1, m_loan2}) {
        const LoanState& state = panel->state();
        panel->controls().amount->setFloatValue(state.Amount);
        panel->controls().rate->setFloatValue(state.Interest);
        panel->controls().payments->setIntegerValue(state.Term);
        panel->controls().payment->setFloatValue(state.Payment);
    }
}

void TfrmMain::SaveValuesAtExit() {
    auto saved = [](const LoanPanel& panel) {
        const LoanState& state = panel.state();
        SavedLoanValues values;
        values.amount = state.Amount;
        values.interest = state.Interest;
        values.term = state.Term;
        values.payment = state.Payment;
        values.frequency = panel.frequencyText().toStdU16String();
        values.taxes = panel.controls().annualTaxes->FloatValue();
        values.insurance = panel.controls().annualInsurance->FloatValue();
        return values;
    };
    SavedValues values;
    values.loan1 = saved(*m_loan1);
    values.loan2 = saved(*m_loan2);
    values.firstRunDone = m_firstRunDone != 0;
    saveValues(values, m_services.decimalSeparator);
}

void TfrmMain::restoreMainInputs(LoanPanel& panel, const SavedLoanValues& defaults) {
    const LoanControls& controls = panel.controls();
    controls.amount->setFloatValue(defaults.amount);
    controls.rate->setFloatValue(defaults.interest);
    controls.payments->setIntegerValue(defaults.term);
    panel.setFrequencyText(fromUtf16(defaults.frequency));
    panel.state().FrequencyIndex = kDefaultFrequencyIndex;
}

void TfrmMain::btnResetClick() {
    m_notebook->setCurrentIndex(0);
    const SavedValues defaults = RestoreDefaults();
    for (auto [panel, values] : {std::pair{m_loan1, defaults.loan1}, {m_loan2, defaults.loan2}}) {
        restoreMainInputs(*panel, values);
        panel->controls().annualTaxes->setFloatValue(values.taxes);
        panel->controls().annualInsurance->setFloatValue(values.insurance);
    }
    m_loan1->controls().amount->setFocus(Qt::OtherFocusReason);
    Calculate(RecalcSource::Other);
    Calculate2(RecalcSource::Other);
}

void TfrmMain::AppOnException(const std::exception& error) {
    auto show = [this](const std::string& text) {
        m_services.showInformation(this, kInformationCaption,
                                   QString::fromStdString(withPlainLineBreaks(text)));
    };
    if (dynamic_cast<const EAbort*>(&error))
        return;
    if (!dynamic_cast<const EMathError*>(&error)) {
        show(generalErrorMessage());
        return;
    }
    show(calculationErrorMessage());
    const SavedValues defaults = RestoreDefaults();
    restoreMainInputs(*m_loan1, defaults.loan1);
    restoreMainInputs(*m_loan2, defaults.loan2);
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
        m_help = new HelpWindow(m_services.helpFolder, this);
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
    SaveValuesAtExit();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    guarded([this] { FormClose(); });
    event->accept();
}

void TfrmMain::contextMenuEvent(QContextMenuEvent* event) {
    m_popup->exec(event->globalPos());
}

} // namespace paysmith
