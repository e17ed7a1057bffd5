#include "dialogs/promo/promopages.h"

#include "dialogs/common/clickable.h"
#include "dialogs/richlabel/richlabel.h"

#include <QtTest>

#include <memory>
#include <set>

namespace paysmith {

namespace {

std::set<QString> targetsOf(const TRichLabel* label) {
    std::set<QString> targets;
    for (const MarkupItem& item : parseMarkup(label->MarkupText().toStdU16String()))
        if (item.style.link)
            targets.insert(QString::fromStdU16String(item.style.target));
    return targets;
}

} // namespace

class PromoPagesTest : public QObject {
    Q_OBJECT
  private slots:
    void firstPageLinksToItsProductSite() {
        std::unique_ptr<PromoPage> page(PromoPage::createFirst("?ref=PSM4600"));
        page->build();
        const QString site = "https://www.closingcostpro.example/index.php?ref=PSM4600";
        QCOMPARE(page->pictureAddress(), site + "glink");
        for (const char* name : {"RichLabel2", "RichLabel3"})
            QCOMPARE(targetsOf(page->findChild<TRichLabel*>(name)), std::set<QString>{site});
        QVERIFY(targetsOf(page->findChild<TRichLabel*>("RichLabel1")).empty());
        QCOMPARE(page->picture()->geometry(), QRect(383, 46, 250, 183));
        QVERIFY(page->picture()->toolTip().contains("Closing Cost Pro!"));
        QCOMPARE(page->picture()->accessibleName(), QString("Closing Cost Pro"));
    }

    void secondPageHeadingAndTextLeadToTwoAddresses() {
        std::unique_ptr<PromoPage> page(PromoPage::createSecond("?ref=PSM4600"));
        page->build();
        const QString product = "https://www.hfsoft.example/mortgage-qualifier-plus";
        QCOMPARE(targetsOf(page->findChild<TRichLabel*>("RichLabel4")),
                 std::set<QString>{product + ".php?ref=PSM4600"});
        QCOMPARE(targetsOf(page->findChild<TRichLabel*>("RichLabel7")),
                 std::set<QString>{product + ".htm?ref=PSM4600"});
        QCOMPARE(page->pictureAddress(),
                 QString("https://www.mortgagequalifierplus.example/?ref=PSM4600glink"));
        QCOMPARE(page->picture()->geometry(), QRect(16, 46, 300, 217));
    }

    // The second paragraph of RichLabel7 closes neither its font nor itself.
    void unclosedParagraphStaysAtTenPoints() {
        std::unique_ptr<PromoPage> page(PromoPage::createSecond("?ref=PSM4600"));
        page->build();
        const auto items =
            parseMarkup(page->findChild<TRichLabel*>("RichLabel7")->MarkupText().toStdU16String());
        for (const MarkupItem& item : items)
            if (item.kind == MarkupItem::Kind::Text)
                QCOMPARE(item.style.points, 10);
        QVERIFY(items.back().kind == MarkupItem::Kind::Text);
    }
};

} // namespace paysmith

QTEST_MAIN(paysmith::PromoPagesTest)
#include "promopages_test.moc"
