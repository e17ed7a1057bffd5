// The main window's links: the Online Resources destinations, the status
// bar's web panel and the hint panel.

#include "app/window/mainwindow.h"

#include "app/window/panelstatusbar.h"
#include "base/qt/qtstrings.h"
#include "dialogs/about/aboutdialog.h"
#include "dialogs/disclaimer/disclaimerdialog.h"
#include "dialogs/links/destinations.h"
#include "dialogs/promo/promopages.h"
#include "dialogs/urllabel/urllabel.h"

#include <QLabel>

namespace paysmith {

void TfrmMain::addDestinationSender(QObject* sender) {
    if (const Destination* destination = destinationOf(sender->objectName().toStdString()))
        m_destinations.insert(sender, destination);
}

void TfrmMain::GoOnline(const QObject* sender) {
    if (const Destination* destination = m_destinations.value(sender))
        m_urlOnline->setURL(toQString(linkAddress(*destination, m_referralSuffix.toStdString())));
    m_urlOnline->Click();
}

void TfrmMain::statusBarPanelClick(const QLabel* panel) {
    if (panel->objectName() != QLatin1String("WebPanel"))
        return;
    // A link that fails to open has already beeped; nothing more is said.
    try {
        GoOnline(m_statusBar);
    } catch (...) {
    }
}

void TfrmMain::imgScreenShotClick() {
    m_urlOnline->setURL(m_firstPromo->pictureAddress());
    m_urlOnline->Click();
}

void TfrmMain::imgProductShotClick() {
    m_urlOnline->setURL(m_secondPromo->pictureAddress());
    m_urlOnline->Click();
}

void TfrmMain::ShowAbout() {
    // The window is drawn whole behind the dialog before the dialog's loop runs.
    repaint();
    paysmith::ShowAbout({m_referralSuffix, m_services.programFolder}, this);
}

void TfrmMain::ShowDisclaimer() {
    repaint();
    paysmith::ShowDisclaimer(this);
}

void TfrmMain::ShowLongHint(const QString& longPart) {
    m_statusBar->hintPanel()->setText(longPart);
}

} // namespace paysmith
