#pragma once

#include <QDialog>
#include <QImage>

#include <span>

class QLabel;
class QPushButton;

namespace paysmith {

class ClickablePicture;
class TUrlLabel;

// What the About dialog takes from the main window.
struct AboutContext {
    QString referralSuffix;
    QString programFolder; // ends in its separator
};

// The About dialog: name, version and build date, copyright, a link to the
// maker's home page and the licence.
class TfrmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmAbout(AboutContext context, QWidget* parent = nullptr);
    ~TfrmAbout() override;

    // The dialog of the current opening; null when none is open.
    static TfrmAbout* instance();

    // Opens the maker's home page for a click on the logo, the icon or the
    // home link; any other sender opens what urlAboutOnline held before.
    void GoOnlineAbout(const QObject* sender);
    void btnShowLicenseClick();
    void btnCloseClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormCreate();
    void FormShow();
    // The maker's home page with the referral suffix.
    QString homePage() const;
    // Says in the dialog that the desktop refused to open `target`.
    void showRefusal(const QString& target);

    AboutContext m_context;
    ClickablePicture* m_logo = nullptr;
    ClickablePicture* m_icon = nullptr;
    TUrlLabel* m_home = nullptr;
    TUrlLabel* m_opener = nullptr;
    QLabel* m_version = nullptr;
    QLabel* m_compileDate = nullptr;
    QLabel* m_problem = nullptr;
};

// Opens the About dialog modally over `owner`, centred on the screen, and
// releases it once its modal loop has ended.
void ShowAbout(const AboutContext& context, QWidget* owner);

// The logo as a picture; an unreadable file gives a null image.
QImage logoImage(std::span<const std::uint8_t> jpegBytes);

} // namespace paysmith
