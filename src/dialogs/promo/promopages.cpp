#include "dialogs/promo/promopages.h"

#include "base/hint/hint.h"
#include "base/qt/pngicon.h"
#include "base/qt/qtstrings.h"
#include "dialogs/common/bevelpanel.h"
#include "dialogs/common/clickable.h"
#include "dialogs/links/promotions.h"
#include "dialogs/richlabel/richlabel.h"

#include <QVBoxLayout>

#include <utility>

namespace paysmith {

namespace {

QString link(const QString& target, const QString& text) {
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(target, text);
}

QString heading(const QString& target, const QString& name, const QString& slogan) {
    return QStringLiteral("<p><font size=2><b>%1 :: %2<br></b></font></p>")
        .arg(link(target, name), slogan);
}

QString paragraph(const QString& text) {
    return QStringLiteral("<p><font size=2>%1<br></font></p>").arg(text);
}

} // namespace

PromoPage::PromoPage(const char* name, const char* panelName) {
    setObjectName(name);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    auto* panel = new BevelPanel(this);
    panel->setObjectName(panelName);
    layout->addWidget(panel);
    m_panel = panel;
}

TRichLabel* PromoPage::addLabel(const char* name, QRect geometry, const QString& markup) {
    auto* label = new TRichLabel(m_panel);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setTransparent(true);
    label->setURLColor(Qt::blue);
    label->setMarkupText(markup);
    return label;
}

void PromoPage::build() {
    if (!m_build)
        return;
    std::exchange(m_build, {})();
    // Made on the first show, the page's children join a panel that is already
    // shown, and a child added to a shown widget stays hidden until told.
    for (QWidget* child : m_panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->show();
}

void PromoPage::showEvent(QShowEvent* event) {
    build();
    QWidget::showEvent(event);
}

ClickablePicture* PromoPage::addPicture(const char* name, QPoint at, const QString& file,
                                        const QString& productName) {
    m_picture = new ClickablePicture(m_panel);
    m_picture->setObjectName(name);
    m_picture->move(at);
    m_picture->setPicture(pictureOf(file, "BMP"));
    // Read as an image of the product; its hint tells where a click goes.
    m_picture->setAccessibleName(productName);
    connect(m_picture, &ClickablePicture::clicked, this, &PromoPage::pictureClicked);
    setHint(m_picture, tr("Click to go online and learn more about %1!").arg(productName),
            PopUpHint::On);
    return m_picture;
}

PromoPage* PromoPage::createFirst(const QString& referralSuffix) {
    auto* page = new PromoPage("Page2", "Panel4");
    page->m_pictureAddress =
        toQString(promotions::kFirstPage) + referralSuffix + toQString(promotions::kPictureMarker);
    page->m_build = [referralSuffix, page] {
        const QString name = tr(promotions::kFirstName.data());
        const QString target = toQString(promotions::kFirstPage) + referralSuffix;
        const QString product = link(target, name);

        TRichLabel* title =
            page->addLabel("RichLabel3", {10, 7, 575, 20},
                           heading(target, name, tr("Know your cash to close before you sign")));
        setHint(title, tr("Click to visit our web site and learn more ..."));
        page->addLabel(
            "RichLabel2", {11, 46, 368, 177},
            paragraph(tr("%1 lists every charge of a purchase or a refinance, from the lender's "
                         "fees to title, escrow and prepaid interest, and adds up the cash you "
                         "bring to the closing table.")
                          .arg(product)) +
                paragraph(tr("%1 costs $29.95 for one computer, with a year of free updates. Try "
                             "it for 30 days before you buy.")
                              .arg(product)) +
                paragraph(
                    QStringLiteral("<i>%1</i>")
                        .arg(tr("Put up to four lenders' estimates side by side and see which "
                                "offer really costs less. Try %1 today!")
                                 .arg(product))));
        page->addPicture("imgScreenShot", {383, 46}, QStringLiteral(":/promo/closingcostpro.bmp"),
                         name);
        page->addLabel("RichLabel1", {11, 246, 614, 69},
                       QStringLiteral("<p><font size=2>%1</font></p>")
                           .arg(tr("New in version 3: <B>estimate import</B> reads the figures "
                                   "straight from your lender's loan estimate, so you check the "
                                   "numbers instead of typing them, and a printed summary shows "
                                   "where every dollar goes.")));
        page->m_picture->setLinkAddress(page->m_pictureAddress);
    };
    return page;
}

PromoPage* PromoPage::createSecond(const QString& referralSuffix) {
    auto* page = new PromoPage("Page4", "Panel5");
    page->m_pictureAddress =
        toQString(promotions::kSecondSite) + referralSuffix + toQString(promotions::kPictureMarker);
    page->m_build = [referralSuffix, page] {
        const QString name = tr(promotions::kSecondName.data());
        const QString textTarget = toQString(promotions::kSecondTextPage) + referralSuffix;
        const QString product = link(textTarget, name);

        TRichLabel* title =
            page->addLabel("RichLabel4", {10, 7, 471, 20},
                           heading(toQString(promotions::kSecondHeadingPage) + referralSuffix, name,
                                   tr("How much house will the lender allow?")));
        setHint(title, tr("Click to visit our web site and learn more ..."));
        page->addPicture("imgProductShot", {16, 46},
                         QStringLiteral(":/promo/mortgagequalifierplus.bmp"), name);
        // The second paragraph is left open: the font and the paragraph of the
        // first stay in force to the end of the text.
        page->addLabel(
            "RichLabel7", {333, 46, 308, 239},
            QStringLiteral("<p><font size=2>%1<br></p><p>%2 %3")
                .arg(tr("%1 works out the loan a buyer qualifies for from income, debts and each "
                        "program's ratios. It comes with the <I>Home Buyer's Budget Workbook</I>, "
                        "the <I>Pre-Qualification Letter Kit</I> and the <I>Guide to Loan "
                        "Programs</I>. Get %1 for $39.95.")
                         .arg(product),
                     link(textTarget, tr("Visit our web site and learn more!")),
                     tr("See sample letters, read what loan officers say about it and download a "
                        "free trial.")));
        page->m_picture->setLinkAddress(page->m_pictureAddress);
    };
    return page;
}

} // namespace paysmith
