#include "dialogs/disclaimer/disclaimerdialog.h"

#include "base/hint/hint.h"
#include "base/qt/pngicon.h"
#include "dialogs/common/modal.h"
#include "dialogs/richlabel/richlabel.h"

#include <QShortcut>
#include <QToolButton>

namespace paysmith {

namespace {

TfrmDisclaim* g_disclaimer = nullptr;

} // namespace

QString disclaimerMarkup() {
    return QStringLiteral("<P align=\"center\">") +
           TfrmDisclaim::tr(
               "Though effort was made to ensure the accuracy of these calculations, ") +
           QStringLiteral("<b>") +
           TfrmDisclaim::tr("there is NO WARRANTY,  expressed or implied, for the accuracy or "
                            "applicability of this information to your particular financial "
                            "question.") +
           QStringLiteral("</b>") +
           TfrmDisclaim::tr("  Consult your financial advisor before making any financial "
                            "decision.") +
           QStringLiteral("</P>");
}

TfrmDisclaim::TfrmDisclaim(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    g_disclaimer = this;
    setObjectName("frmDisclaim");
    setWindowTitle(tr("Disclaimer"));
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(13);
    setFont(arial);
    setFixedSize(338, 146);

    m_text = new TRichLabel(this);
    m_text->setObjectName("RichLabel1");
    m_text->setGeometry(4, 7, 330, 101);
    m_text->setTransparent(false);
    m_text->setURLColor(Qt::blue);
    m_text->setMarkupText(disclaimerMarkup());
    // The text takes the focus, so that a screen reader reads it as the
    // dialog opens; Return still closes the dialog.
    m_text->setFocusPolicy(Qt::StrongFocus);

    auto* close = new QToolButton(this);
    close->setObjectName("btnClose");
    close->setText(tr(" &OK"));
    close->setIcon(pngIcon(QStringLiteral(":/icons/exit.png")));
    close->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    close->setFocusPolicy(Qt::NoFocus);
    close->setGeometry(251, 116, 76, 24);
    QFont sansSerif(QStringLiteral("MS Sans Serif"));
    sansSerif.setPixelSize(11);
    close->setFont(sansSerif);
    setHint(close, tr("Close| Close Update Wizard"));
    connect(close, &QToolButton::clicked, this, &TfrmDisclaim::btnCloseClick);

    // The button never takes the focus, so Return closes the dialog itself.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)})
        connect(new QShortcut(key, this), &QShortcut::activated, this,
                &TfrmDisclaim::btnCloseClick);
}

TfrmDisclaim::~TfrmDisclaim() {
    if (g_disclaimer == this)
        g_disclaimer = nullptr;
}

TfrmDisclaim* TfrmDisclaim::instance() {
    return g_disclaimer;
}

void TfrmDisclaim::btnCloseClick() {
    close();
}

void ShowDisclaimer(QWidget* owner) {
    execCentredAndRelease(new TfrmDisclaim(owner));
}

} // namespace paysmith
