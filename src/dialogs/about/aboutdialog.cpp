#include "dialogs/about/aboutdialog.h"

#include "base/accessible/announcer.h"
#include "base/hint/hint.h"
#include "base/qt/pngicon.h"
#include "base/qt/qtstrings.h"
#include "base/version.h"
#include "dialogs/about/builddate.h"
#include "dialogs/about/logomodule.h"
#include "dialogs/common/bevelpanel.h"
#include "dialogs/common/clickable.h"
#include "dialogs/common/modal.h"
#include "dialogs/links/maker.h"
#include "dialogs/shell/desktopshell.h"
#include "dialogs/urllabel/urllabel.h"
#include "resources/compiledresources.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLibrary>
#include <QPointer>
#include <QPushButton>

namespace paysmith {

namespace {

TfrmAbout* g_about = nullptr;

constexpr int kClientWidth = 447;
constexpr int kClientHeight = 290;

QLabel* addLabel(QWidget* parent, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

// A build tree keeps the module beside the program; an installation keeps it
// in the program's folder of libraries, found relative to the executable.
QStringList logoModuleCandidates() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {programFolder.filePath(QStringLiteral(PAYSMITH_LOGO_MODULE)),
            programFolder.filePath(QStringLiteral(PAYSMITH_INSTALLED_LOGO_MODULE))};
}

QImage readLogo() {
    useCompiledResources();
    QFile file(QStringLiteral(":/about/logo.jpg"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return logoImage({reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                      static_cast<std::size_t>(bytes.size())});
}

} // namespace

QImage logoImage(std::span<const std::uint8_t> jpegBytes) {
    static LogoEntry entry = nullptr;
    for (const QString& candidate : logoModuleCandidates()) {
        if (entry)
            break;
        entry = reinterpret_cast<LogoEntry>(QLibrary(candidate).resolve(kLogoEntryName));
    }
    QImage picture;
    if (entry)
        entry(jpegBytes.data(), jpegBytes.size(), picture);
    return picture;
}

TfrmAbout::TfrmAbout(AboutContext context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_context(std::move(context)) {
    g_about = this;
    setObjectName("frmAbout");
    FormCreate();
}

TfrmAbout::~TfrmAbout() {
    if (g_about == this)
        g_about = nullptr;
}

TfrmAbout* TfrmAbout::instance() {
    return g_about;
}

void TfrmAbout::FormCreate() {
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(11);
    setFont(tahoma);
    setFixedSize(kClientWidth, kClientHeight);

    auto* graphic = new BevelPanel(this);
    graphic->setObjectName("pnlGraphic");
    graphic->setGeometry(8, 9, 431, 76);

    m_logo = new ClickablePicture(graphic);
    m_logo->setObjectName("imgLogo");
    m_logo->setGeometry(5, 6, 420, 60);
    m_logo->setPicture(QPixmap::fromImage(readLogo()));
    m_logo->setAccessibleName(tr("%1 logo").arg(toQString(maker::kName)));
    setHint(m_logo, tr("Click to visit our web site ..."), PopUpHint::On);
    connect(m_logo, &ClickablePicture::clicked, this, [this] { GoOnlineAbout(m_logo); });

    m_opener = new TUrlLabel(this);
    m_opener->setObjectName("urlAboutOnline");
    m_opener->setCaption(QStringLiteral("UrlAboutOnline"));
    m_opener->move(297, 94);
    m_opener->hide();
    connect(m_opener, &TUrlLabel::openRefused, this,
            [this](const QString& address) { showRefusal(address); });

    QFont bold = font();
    bold.setBold(true);
    addLabel(this, tr("Paysmith"), 56, 116)->setFont(bold);
    m_icon = new ClickablePicture(this);
    m_icon->setObjectName("imgAboutIcon");
    m_icon->setGeometry(15, 122, 32, 32);
    m_icon->setPicture(pngIcon(QStringLiteral(":/icons/paysmith.png")).pixmap(32, 32));
    m_icon->setAttribute(Qt::WA_TranslucentBackground);
    m_icon->setAccessibleName(tr("Paysmith icon"));
    connect(m_icon, &ClickablePicture::clicked, this, [this] { GoOnlineAbout(m_icon); });
    m_version = addLabel(this, {}, 56, 132);
    m_version->setObjectName("lblVersion");
    m_compileDate = addLabel(this, {}, 56, 148);
    m_compileDate->setObjectName("lblCompileDate");

    QLabel* copyright = addLabel(this,
                                 tr("Copyright \u00A9 %1 Harrowfield Software.")
                                     .arg(QStringLiteral(PAYSMITH_COPYRIGHT_YEARS)),
                                 56, 172);
    copyright->setObjectName("lblCopyright");
    QLabel* legal = addLabel(this,
                             tr("Paysmith is free software: you may share and change it under the "
                                "GNU General Public License, version 3 or later. It comes with "
                                "no warranty; read the licence for the details."),
                             13, 193);
    legal->setObjectName("lblLegal");
    legal->setWordWrap(true);
    legal->resize(421, 44);
    m_problem = addLabel(this, {}, 13, 235);
    m_problem->setObjectName("lblProblem");
    m_problem->resize(421, 14);
    m_problem->hide();

    m_home = new TUrlLabel(this);
    m_home->setObjectName("urlHome");
    m_home->setGeometry(13, 257, 133, 16);
    QFont homeFont(QStringLiteral("Tahoma"));
    homeFont.setPixelSize(13);
    homeFont.setUnderline(true);
    m_home->setFont(homeFont);
    QPalette blue = m_home->palette();
    blue.setColor(m_home->foregroundRole(), Qt::blue);
    m_home->setPalette(blue);
    m_home->setCaption(toQString(maker::kSiteName));
    setHint(m_home, tr("Click Here to Visit Our Web Site ..."), PopUpHint::On);
    // Reached by Tab like the buttons, and opened by Return or Space there.
    m_home->setFocusPolicy(Qt::TabFocus);
    connect(m_home, &TUrlLabel::clicked, this, [this] { GoOnlineAbout(m_home); });

    auto* license =
        new QPushButton(pngIcon(QStringLiteral(":/icons/contents.png")), tr("Read &License"), this);
    license->setObjectName("btnShowLicense");
    license->setGeometry(172, 252, 103, 26);
    setHint(license, tr("Show Software License ..."));
    connect(license, &QPushButton::clicked, this, &TfrmAbout::btnShowLicenseClick);

    auto* close = new QPushButton(pngIcon(QStringLiteral(":/icons/exit.png")), tr("&OK"), this);
    close->setObjectName("btnClose");
    close->setGeometry(357, 252, 80, 26);
    close->setDefault(true);
    setHint(close, tr("Close About Window"));
    connect(close, &QPushButton::clicked, this, &TfrmAbout::btnCloseClick);

    for (ClickableLabel* link : std::initializer_list<ClickableLabel*>{m_logo, m_icon, m_home})
        link->setLinkAddress(homePage());

    setTabOrder(close, m_home);
    setTabOrder(m_home, license);
    close->setFocus(Qt::OtherFocusReason);
}

void TfrmAbout::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TfrmAbout::FormShow() {
    setWindowTitle(tr(" About Paysmith, ") + QStringLiteral(PAYSMITH_VERSION));
    m_version->setText(tr("Version " PAYSMITH_VERSION));
    m_version->adjustSize();
    const QDate built = QDate::fromString(QStringLiteral(PAYSMITH_BUILD_DATE), Qt::ISODate);
    m_compileDate->setText(tr("Compiled %1").arg(QLocale().toString(built, tr("MMMM d, yyyy"))));
    m_compileDate->adjustSize();
}

QString TfrmAbout::homePage() const {
    return toQString(maker::kHomePage) + m_context.referralSuffix;
}

void TfrmAbout::GoOnlineAbout(const QObject* sender) {
    m_problem->hide();
    if (sender == m_icon || sender == m_logo || sender == m_home)
        m_opener->setURL(homePage());
    m_opener->Click();
}

void TfrmAbout::btnShowLicenseClick() {
    const QString path = m_context.programFolder + QStringLiteral("License.txt");
    m_problem->hide();
    openTarget(path, this, [about = QPointer<TfrmAbout>(this), path](ShellAnswer answer) {
        if (answer != ShellAnswer::Refused || !about)
            return;
        about->showRefusal(path);
        announce(about, refusedTargetText(path));
    });
}

void TfrmAbout::showRefusal(const QString& target) {
    // One line under the notice: a target too long for what the sentence
    // leaves of it gives up its middle, as its start and its end tell most.
    const QFontMetrics metrics = m_problem->fontMetrics();
    const int room = m_problem->width() - metrics.horizontalAdvance(refusedTargetText({}));
    m_problem->setText(refusedTargetText(metrics.elidedText(target, Qt::ElideMiddle, room)));
    m_problem->setAccessibleName(refusedTargetText(target));
    m_problem->show();
}

void TfrmAbout::btnCloseClick() {
    close();
}

void ShowAbout(const AboutContext& context, QWidget* owner) {
    execCentredAndRelease(new TfrmAbout(context, owner));
}

} // namespace paysmith
