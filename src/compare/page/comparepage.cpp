#include "compare/page/comparepage.h"

#include "base/accessible/announcer.h"
#include "base/accessible/quietbuild.h"
#include "base/qt/qtstrings.h"
#include "compare/model/offersmodel.h"
#include "compare/page/compareentries.h"
#include "compare/page/comparisonview.h"
#include "figures/kit/figurestable.h"
#include "schedule/wording/schedulewords.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace paysmith {

ComparePage::ComparePage(const TIntlSupport& format, OffersModel& offers, AprMethod regionMethod,
                         QWidget* parent)
    : QWidget(parent), m_format(format), m_offers(offers), m_regionMethod(regionMethod) {}

ComparePage::~ComparePage() = default;

AprMethod ComparePage::shownMethod() const {
    return m_offers.inputs().method.value_or(m_regionMethod);
}

void ComparePage::followOffers() {
    m_stale = true;
    if (isBuilt() && isVisible())
        refreshAloud();
}

void ComparePage::showNewInputs() {
    if (!isBuilt())
        return;
    m_entries->showInputs(m_offers.inputs(), shownMethod());
    m_stale = true;
    if (isVisible())
        refreshAloud();
}

void ComparePage::showEvent(QShowEvent* event) {
    makeCurrent();
    // Laid out with its figures now, not when the event loop gets round to
    // it, so that the first paint shows the chart at its size, not its least.
    layout()->activate();
    QWidget::showEvent(event);
}

void ComparePage::makeCurrent() {
    // Built here on first use, with its figures: readers meet its controls
    // when they go there, not one by one as they are made.
    const QuietBuild quiet(isBuilt() ? nullptr : this);
    if (!isBuilt())
        build();
    if (m_stale)
        refresh();
}

void ComparePage::build() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);

    m_entries = new CompareEntries(
        m_format, [this](WhichLoan loan) { return m_offers.offers().loan(loan); }, this);
    connect(m_entries, &CompareEntries::entered, this,
            [this] { publish(m_entries->taken(m_offers.inputs())); });
    connect(m_entries, &CompareEntries::methodChosen, this, [this](AprMethod method) {
        ComparisonInputs inputs = m_offers.inputs();
        inputs.method = method;
        publish(inputs);
    });
    layout->addWidget(m_entries);

    m_view = new ComparisonView(m_format, this);
    layout->addWidget(m_view, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_view->sentence(), 1);
    addPageButtons(
        bottom, this,
        {{"btnCompareExport", tr("&Export..."),
          tr("Save the comparison as a CSV file for a spreadsheet"),
          [this] { exportComparison(); }},
         {"btnComparePrint", tr("&Print..."), tr("Print the comparison"), [this] { printPage(); }},
         {"btnComparePdf", tr("P&DF..."), tr("Save the comparison as a PDF file"),
          [this] { savePdf(); }}});
    layout->addLayout(bottom);

    m_entries->showInputs(m_offers.inputs(), shownMethod());
    // Shown now rather than when the layout gets round to it, so that a
    // field focused at once takes its entry and is checked when left.
    if (isVisible()) {
        m_entries->show();
        m_view->show();
    }
}

void ComparePage::publish(const ComparisonInputs& inputs) {
    m_offers.setInputs(inputs);
    // Unchanged inputs change no figure, but a refused entry changes the note.
    showExtrasNote();
}

void ComparePage::refresh() {
    m_stale = false;
    const Offers& offers = m_offers.offers();
    const double longest = std::max({kMinKeepYears, termYearsOf(offers.loan(WhichLoan::Loan1)),
                                     termYearsOf(offers.loan(WhichLoan::Loan2))});
    m_entries->showKeepYears(offers.keepYears(), longest);
    m_view->showComparison(offers, shownMethod());
    showExtrasNote();
}

void ComparePage::refreshAloud() {
    // The results change where the focus is not, and a reader would not say
    // them; a change that changes no figure is not told again.
    const QString before = m_view->spokenResults();
    refresh();
    if (m_view->spokenResults() != before)
        announce(this, m_view->spokenResults());
}

void ComparePage::showExtrasNote() {
    const Offers& offers = m_offers.offers();
    QStringList lines;
    for (const WhichLoan loan : kBothLoans) {
        // The model has worded the extras it holds; others the fields show.
        const std::shared_ptr<const WorkedOffer> offer = offers.offer(loan);
        const ExtraPayments shown = m_entries->shownExtras(loan);
        const ExtrasWords words = shown == extrasOf(offer->terms)
                                      ? offer->extrasNote
                                      : extrasNote(offer->offer.loan, shown);
        if (!words.empty())
            lines << tr("Loan %1: %2")
                         .arg(QString::number(numberOf(loan)),
                              translatedWithNumbers("paysmith::Schedule", words.text,
                                                    words.numbers));
    }
    m_entries->showExtrasNote(lines.join(u'\n'));
}

} // namespace paysmith
