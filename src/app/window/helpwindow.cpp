#include "app/window/helpwindow.h"

#include "app/core/helpstyle.h"
#include "app/core/helptopics.h"
#include "base/accessible/announcer.h"
#include "base/qt/readablecolour.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextCursor>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace paysmith {

namespace {

// Tab moves from link to link by selecting it, quietly: neither readers nor
// the browser's signals hear of it, so the link reached is told here.
class HelpBrowser : public QTextBrowser {
  public:
    using QTextBrowser::QTextBrowser;

  protected:
    bool focusNextPrevChild(bool next) override {
        const QTextCursor before = textCursor();
        if (!QTextBrowser::focusNextPrevChild(next))
            return false;
        const QTextCursor reached = textCursor();
        if (reached != before && reached.hasSelection() && reached.charFormat().isAnchor())
            announce(this, HelpWindow::tr("%1 link").arg(reached.selectedText().trimmed()));
        return true;
    }
};

} // namespace

HelpWindow::HelpWindow(QString helpFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), m_folder(std::move(helpFolder)),
      m_browser(new HelpBrowser(this)) {
    setObjectName("helpWindow");
    setWindowTitle(tr("Paysmith Help"));
    resize(640, 520);

    auto* contents = new QPushButton(tr("&Contents"), this);
    auto* back = new QPushButton(tr("&Back"), this);
    auto* forward = new QPushButton(tr("&Forward"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, &HelpWindow::showContents);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    m_browser->setSearchPaths({m_folder});
    // Qt's rich text does not follow a page's <link> to its style sheet; the
    // pages' one sheet becomes the browser's default instead.
    // A translation's pages, a folder below the English ones, share their sheet.
    const QDir folder(m_folder);
    QFile styles(folder.filePath(folder.exists(QStringLiteral("style.css"))
                                     ? QStringLiteral("style.css")
                                     : QStringLiteral("../style.css")));
    if (styles.open(QIODevice::ReadOnly))
        m_sheet = styles.readAll().toStdString();
    applyStyle();
    for (const QKeySequence& key :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);
}

void HelpWindow::applyStyle() {
    m_browser->document()->setDefaultStyleSheet(QString::fromStdString(helpStyleSheet(
        m_sheet, rgbOf(palette().color(QPalette::Base)), rgbOf(palette().color(QPalette::Link)))));
    // A page shown is laid out in the colours it was shown in.
    if (!m_browser->source().isEmpty())
        m_browser->reload();
}

void HelpWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applyStyle();
}

void HelpWindow::showContents() {
    showPage(QString::fromUtf8(kHelpContentsPage));
}

bool HelpWindow::showTopic(int context) {
    const auto page = helpPageForContext(context);
    if (!page) {
        m_browser->setHtml(tr("<p>There is no help topic %1.</p>").arg(context));
        show();
        return false;
    }
    return showPage(QString::fromUtf8(page->data(), static_cast<qsizetype>(page->size())));
}

bool HelpWindow::showPage(const QString& fileName) {
    const QFileInfo file(QDir(m_folder), fileName);
    const bool found = file.isFile() && file.isReadable();
    if (found)
        m_browser->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    else
        m_browser->setHtml(tr("<h3>Help is not available</h3><p>The help page <b>%1</b> was not "
                              "found. Paysmith looks for its help in the folder <tt>%2</tt>; "
                              "reinstalling Paysmith puts it back.</p>")
                               .arg(fileName.toHtmlEscaped(), m_folder.toHtmlEscaped()));
    keepOnScreen();
    show();
    raise();
    activateWindow();
    return found;
}

void HelpWindow::keepOnScreen() {
    const QWidget* anchor = parentWidget() ? parentWidget()->window() : this;
    // The frame the window manager draws around the client area; before the
    // first show the anchor's, from the same window manager, stands in.
    const QWidget& framed = m_placed ? *this : *anchor;
    const QRect frame = framed.frameGeometry();
    const QRect client = framed.geometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    const QRect room = anchor->screen()->availableGeometry().marginsRemoved(margins);

    QRect placed(geometry().topLeft(), size().boundedTo(room.size()));
    if (!m_placed)
        placed.moveCenter(anchor->geometry().center());
    placed.moveLeft(std::clamp(placed.left(), room.left(), room.right() - placed.width() + 1));
    placed.moveTop(std::clamp(placed.top(), room.top(), room.bottom() - placed.height() + 1));
    setGeometry(placed);
    m_placed = true;
}

} // namespace paysmith
