// The main window's tool panel, main menu and popup menu.

#include "app/window/mainwindow.h"

#include "base/hint/hint.h"
#include "base/qt/pngicon.h"
#include "base/qt/qtstrings.h"
#include "compare/page/comparepage.h"
#include "dialogs/links/destinations.h"
#include "dialogs/links/maker.h"
#include "dialogs/shell/desktopshell.h"
#include "dialogs/urllabel/urllabel.h"
#include "schedule/page/schedulepage.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QToolButton>

namespace paysmith {

namespace {

QIcon icon(const char* name) {
    return pngIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(name)));
}

QAction* addEntry(QMenu* menu, const char* name, const QString& caption, const char* iconName) {
    QAction* action = menu->addAction(icon(iconName), caption);
    action->setObjectName(name);
    return action;
}

const char* iconFor(const Destination& destination) {
    if (destination.place == MenuPlace::EmailSubmenu)
        return "mail";
    if (destination.place == MenuPlace::TrialSubmenu)
        return "trial";
    if (destination.sender == "mnuWOCheckForUpdate")
        return "update";
    return "web";
}

} // namespace

void TfrmMain::createTopPanel(QWidget* client) {
    auto* panel = new QFrame(client);
    panel->setObjectName("pnlTop");
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setFixedHeight(35);
    client->layout()->addWidget(panel);
    // The buttons keep their places from the left; Exit keeps its place from
    // the right edge, however wide the window grows.
    auto* buttons = new QHBoxLayout(panel);
    buttons->setContentsMargins(8, 2, 5, 3);
    buttons->setSpacing(1);

    struct SpeedButton {
        const char* name;
        const char* icon;
        const char* hint;
        void (TfrmMain::*action)();
    };
    static constexpr SpeedButton kButtons[] = {
        {"btnReset", "reset",
         QT_TRANSLATE_NOOP("paysmith::TfrmMain", "Reset| Reset Default Values ..."),
         &TfrmMain::btnResetClick},
        {"btnUpdate", "update",
         QT_TRANSLATE_NOOP("paysmith::TfrmMain", " Check for New Version ..."), nullptr},
        {"btnAbout", "about", QT_TRANSLATE_NOOP("paysmith::TfrmMain", " About ..."),
         &TfrmMain::ShowAbout},
        {"btnHelp", "help", QT_TRANSLATE_NOOP("paysmith::TfrmMain", " Help ..."),
         &TfrmMain::mnuHelpContentsClick},
        {"SpeedButton1", "exit", QT_TRANSLATE_NOOP("paysmith::TfrmMain", " Exit|Exit Paysmith"),
         &TfrmMain::mnuFileExitClick},
    };
    for (const SpeedButton& b : kButtons) {
        auto* button = new QToolButton(panel);
        button->setObjectName(b.name);
        button->setIcon(icon(b.icon));
        button->setIconSize(QSize(16, 16));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(28, 28);
        if (b.action == &TfrmMain::mnuFileExitClick)
            buttons->addStretch();
        buttons->addWidget(button);
        setHint(button, tr(b.hint));
        // An icon is all the button shows; its hint is what it is called.
        button->setAccessibleName(longHintPart(tr(b.hint)).trimmed());
        addDestinationSender(button);
        if (b.action)
            connect(button, &QToolButton::clicked, this,
                    [this, action = b.action] { guarded([&] { (this->*action)(); }); });
        else if (m_destinations.contains(button))
            connect(button, &QToolButton::clicked, this,
                    [this, button] { guarded([&] { GoOnline(button); }); });
    }

    // Opens the addresses that code sets; never shown.
    m_urlOnline = new TUrlLabel(panel);
    m_urlOnline->setObjectName("UrlOnline");
    m_urlOnline->setCaption(QStringLiteral("UrlOnline"));
    m_urlOnline->setURL(QStringLiteral("mailto:") + toQString(maker::kSuggestionsAddress));
    m_urlOnline->hide();
    connect(m_urlOnline, &TUrlLabel::openRefused, this,
            [this](const QString& address) { ShowLongHint(refusedTargetText(address)); });
}

void TfrmMain::createMenus() {
    auto guardedSlot = [this](void (TfrmMain::*action)()) {
        return [this, action] { guarded([&] { (this->*action)(); }); };
    };

    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName("mnuFile");
    connect(addEntry(file, "mnuFileReset", tr("&Reset"), "reset"), &QAction::triggered, this,
            guardedSlot(&TfrmMain::btnResetClick));
    file->addSeparator();
    // They act on the Schedule page's chosen loan, shown or not.
    const auto scheduleEntry = [&](const char* name, const QString& caption, const char* icon,
                                   auto action) {
        connect(addEntry(file, name, caption, icon), &QAction::triggered, this,
                [this, action] { guarded([&] { action(*m_schedule); }); });
    };
    scheduleEntry("mnuFileExportSchedule", tr("Export &Schedule..."), "export",
                  [](SchedulePage& page) { page.exportSchedule(); });
    scheduleEntry("mnuFileSchedulePdf", tr("Schedule as P&DF..."), "pdf",
                  [](SchedulePage& page) { page.savePdf(); });
    scheduleEntry("mnuFilePrintSchedule", tr("&Print Schedule..."), "print",
                  [](SchedulePage& page) { page.printPage(); });
    connect(addEntry(file, "mnuFileExportComparison", tr("Export &Comparison..."), "export"),
            &QAction::triggered, this,
            [this] { guarded([this] { m_compare->exportComparison(); }); });
    file->addSeparator();
    connect(addEntry(file, "mnuFileExit", tr("E&xit"), "exit"), &QAction::triggered, this,
            guardedSlot(&TfrmMain::mnuFileExitClick));

    QMenu* online = menuBar()->addMenu(tr("&Online Resources"));
    online->setObjectName("Internet1");
    QMenu* email = new QMenu(tr("Contact Harrowfield Software by &Email"), online);
    email->setObjectName("ContactHarrowfieldbyEmail1");
    email->setIcon(icon("mail"));
    QMenu* trials = new QMenu(tr("&Trial Versions of Financial Software"), online);
    trials->setObjectName("mnuInternetDownload");
    trials->setIcon(icon("trial"));
    for (const Destination& destination : onlineDestinations()) {
        if (destination.sender.empty()) {
            online->addSeparator();
            continue;
        }
        if (destination.place == MenuPlace::NotInMenu)
            continue;
        QMenu* menu = online;
        if (destination.place == MenuPlace::EmailSubmenu)
            menu = email;
        else if (destination.place == MenuPlace::TrialSubmenu)
            menu = trials;
        if (menu != online && menu->isEmpty())
            online->addMenu(menu);
        QAction* entry =
            addEntry(menu, std::string(destination.sender).c_str(),
                     tr(std::string(destination.caption).c_str()), iconFor(destination));
        addDestinationSender(entry);
        connect(entry, &QAction::triggered, this,
                [this, entry] { guarded([&] { GoOnline(entry); }); });
    }
    // Two entries without a destination that the trial submenu keeps hidden.
    for (const char* name : {"mnuWOTryHidden1", "mnuWOTryHidden2"})
        addEntry(trials, name, QString(), "trial")->setVisible(false);
    // The e-mail entries are kept but never offered.
    email->menuAction()->setVisible(false);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName("mnuHelp");
    connect(addEntry(help, "mnuHelpContents", tr("&Contents"), "contents"), &QAction::triggered,
            this, guardedSlot(&TfrmMain::mnuHelpContentsClick));
    // F1 is help on what is in front, which the Contents entry is not.
    connect(new QShortcut(Qt::Key_F1, this), &QShortcut::activated, this,
            guardedSlot(&TfrmMain::showHelpOnPage));
    help->addSeparator();
    connect(addEntry(help, "mnuMainDisclaimer", tr("&Disclaimer ..."), "disclaimer"),
            &QAction::triggered, this, guardedSlot(&TfrmMain::ShowDisclaimer));
    help->addSeparator();
    connect(addEntry(help, "About1", tr("&About..."), "about"), &QAction::triggered, this,
            guardedSlot(&TfrmMain::ShowAbout));

    m_popup = new QMenu(this);
    m_popup->setObjectName("mnuPop");
    connect(addEntry(m_popup, "mnuPopReset", tr("&Reset"), "reset"), &QAction::triggered, this,
            guardedSlot(&TfrmMain::btnResetClick));
    m_popup->addSeparator();
    connect(addEntry(m_popup, "mnuPopAbout", tr("&About..."), "about"), &QAction::triggered, this,
            guardedSlot(&TfrmMain::ShowAbout));
    m_popup->addSeparator();
    connect(addEntry(m_popup, "mnuPopExit", tr("E&xit"), "exit"), &QAction::triggered, this,
            guardedSlot(&TfrmMain::mnuFileExitClick));
}

} // namespace paysmith
