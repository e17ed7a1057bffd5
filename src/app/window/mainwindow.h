#pragma once

#include "app/settings/savedvalues.h"
#include "app/window/helpwindow.h"
#include "app/window/settingsfallback.h"
#include "loan/panel/loanpanel.h"
#include "numfield/text/intlsupport.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <cstdint>
#include <exception>
#include <functional>
#include <stdexcept>

class QLabel;
class QMenu;
class QTabWidget;
class QToolButton;

namespace paysmith {

class HintTracker;
class PanelStatusBar;
class PromoPage;
class TUrlLabel;
struct Destination;
class SchedulePage;
class ComparePage;
class OffersModel;

// What the main window needs from its surroundings; tests replace the
// message box and point the help at their own folder.
struct MainWindowServices {
    std::function<void(QWidget* parent, const QString& caption, const QString& text)>
        showInformation;
    // Errors before the error handler is in place show with their own text.
    std::function<void(QWidget* parent, const QString& text)> showStartupError;
    // The folder of the program's data files (help/, License.txt), ending in
    // its separator.
    QString programFolder;
    // The language the program speaks ("de"); "" for English.
    QString language;
    // How numbers are written: the fields, the term and the settings file's
    // decimal mark.
    TIntlSupport numberFormat;
    // Where the loans go when the settings file refuses them.
    AskForAnotherFile askForAnotherSettingsFile;
};

// The program's one window: two loan panels in a notebook, a tool panel,
// menus and a status bar. It reads the settings file when it is created and
// writes it when it closes.
class TfrmMain : public QMainWindow {
    Q_OBJECT
  public:
    explicit TfrmMain(MainWindowServices services, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // The window while it exists, for the dialogs that centre themselves on it.
    static TfrmMain* instance();

    LoanPanel* loanPanel(WhichLoan loan) const;
    QTabWidget* notebook() const { return m_notebook; }
    std::int32_t FirstRunDone() const { return m_firstRunDone; }
    HelpWindow* helpWindow() const { return m_help; }
    const QString& ProgramFolder() const { return m_services.programFolder; }
    const QString& ReferralSuffix() const { return m_referralSuffix; }
    PanelStatusBar* statusBar() const { return m_statusBar; }
    TUrlLabel* urlOnline() const { return m_urlOnline; }

    // Ctrl+Tab, Ctrl+PgDn: `step` 1; Ctrl+Shift+Tab, Ctrl+PgUp: -1. From the
    // last page on to the first and back.
    void turnPage(int step);
    void Calculate(RecalcSource source);
    void Calculate2(RecalcSource source);
    void btnResetClick();
    void mnuFileExitClick();
    void mnuHelpContentsClick();

    // Opens the destination of `sender` (a menu entry, the update button or
    // the status bar) through UrlOnline; an unknown sender opens UrlOnline's
    // previous address again.
    void GoOnline(const QObject* sender);
    void ShowAbout();
    void ShowDisclaimer();
    void imgScreenShotClick();
    void imgProductShotClick();
    void ShowLongHint(const QString& longPart);

    // Saves the inputs, with the entry being typed worked out, unless the
    // window has saved them on closing; for an end without a display, when
    // the window can no longer be closed.
    void SaveWithoutDisplay() noexcept;

    // Reports an error that escaped an event handler.
    void AppOnException(const std::exception& error);

    // Runs an event handler; whatever it throws goes to AppOnException.
    template <typename Handler> void guarded(Handler&& handler) {
        try {
            handler();
        } catch (const std::exception& error) {
            AppOnException(error);
        } catch (...) {
            AppOnException(std::runtime_error("unknown error"));
        }
    }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void FormCreate();
    void FormClose();
    void leaveFocusedField();
    void leavePage();
    void createTopPanel(QWidget* client);
    void createNotebook(QWidget* client);
    void createMenus();
    void readSettingsAtStart();
    void placeAtStart();
    void SaveValuesAtExit();
    void restoreInputs(const SavedValues& defaults, InputSet which);
    void showHelpTopic(int context);
    // The help of the page in front; Contents for a page without its own.
    void showHelpOnPage();
    HelpWindow& help();
    void ApplicationActivate();
    void addDestinationSender(QObject* sender);
    void statusBarPanelClick(const QLabel* panel);
    void createStatusBar(QWidget* client);

    MainWindowServices m_services;
    LoanPanel* m_loan1 = nullptr;
    LoanPanel* m_loan2 = nullptr;
    QTabWidget* m_notebook = nullptr;
    SchedulePage* m_schedule = nullptr;
    ComparePage* m_compare = nullptr;
    OffersModel* m_offers = nullptr;
    PanelStatusBar* m_statusBar = nullptr;
    QMenu* m_popup = nullptr;
    QPointer<HelpWindow> m_help;
    TUrlLabel* m_urlOnline = nullptr;
    PromoPage* m_firstPromo = nullptr;
    PromoPage* m_secondPromo = nullptr;
    HintTracker* m_hints = nullptr;
    QString m_referralSuffix;
    QHash<const QObject*, const Destination*> m_destinations;
    std::int32_t m_firstRunDone = 0; // 0 false, -1 true
    bool m_saved = false;
    bool m_firstRunHelpPending = false;
    SavedWindow m_savedWindow;
};

} // namespace paysmith
