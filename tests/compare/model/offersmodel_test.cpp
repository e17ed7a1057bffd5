#include "compare/model/offersmodel.h"

#include "loan/core/exampleloan.h"

#include <QtTest>

namespace paysmith {

namespace {

using testing_support::loan;

// What a view reads when told of a change: whether each offer was worked out
// anew, and the figures it shows.
struct Received {
    int changes = 0;
    std::array<bool, 2> workedAnew{};
    double keepYears = 0.0;
    std::array<double, 2> aprPercent{};
    std::array<std::int32_t, 2> payoffPeriods{};
    std::int64_t closing2 = 0;
};

using Change = void (*)(OffersModel&);

} // namespace

class OffersModelTest : public QObject {
    Q_OBJECT
  private slots:
    // Each change reaches the views once, with its new figures, and works out
    // again only the offer it touches; a change that changes nothing is not
    // told.
    void eachChangeReachesTheViewsOnce_data() {
        QTest::addColumn<Change>("change");
        QTest::addColumn<int>("changes");
        QTest::addColumn<QList<bool>>("workedAnew");
        QTest::addColumn<QList<double>>("figures"); // kept, APR 1, 2, payoff 1, 2, closing 2
        const QList<double> before{30, 6.75, 5.75, 360, 360, 0};
        QTest::newRow("loan worked out anew")
            << Change([](OffersModel& m) { m.setLoan(WhichLoan::Loan1, loan(7.0, 360)); }) << 1
            << QList<bool>{true, false} << QList<double>{30, 7.0, 5.75, 360, 360, 0};
        QTest::newRow("same loan again")
            << Change([](OffersModel& m) { m.setLoan(WhichLoan::Loan1, loan(6.75, 360)); }) << 0
            << QList<bool>{false, false} << before;
        QTest::newRow("longer loan moves the years kept")
            << Change([](OffersModel& m) { m.setLoan(WhichLoan::Loan2, loan(5.75, 480)); }) << 1
            << QList<bool>{false, true} << QList<double>{40, 6.75, 5.75, 360, 480, 0};
        QTest::newRow("fees") << Change([](OffersModel& m) {
            ComparisonInputs inputs = m.inputs();
            inputs.offers[1].fees = 3000;
            m.setInputs(inputs);
        }) << 1 << QList<bool>{false, true}
                              << QList<double>{30, 6.75, 5.9366, 360, 360, 300000};
        QTest::newRow("years kept") << Change([](OffersModel& m) {
            ComparisonInputs inputs = m.inputs();
            inputs.keepYears = 5;
            m.setInputs(inputs);
        }) << 1 << QList<bool>{false, false}
                                    << QList<double>{5, 6.75, 5.75, 360, 360, 0};
        QTest::newRow("extras") << Change([](OffersModel& m) {
            ComparisonInputs inputs = m.inputs();
            inputs.offers[0].extraPerPeriod = 500;
            m.setInputs(inputs);
        }) << 1 << QList<bool>{true, false}
                                << QList<double>{30, 6.75, 5.75, 152, 360, 0};
        QTest::newRow("refused extras do not count") << Change([](OffersModel& m) {
            ComparisonInputs inputs = m.inputs();
            inputs.offers[0].extraPerPeriod = 200000; // repays it at once
            m.setInputs(inputs);
        }) << 1 << QList<bool>{true, false} << before;
        QTest::newRow("same inputs from a file")
            << Change([](OffersModel& m) { m.replaceInputs(m.inputs()); }) << 0
            << QList<bool>{false, false} << before;
    }

    void eachChangeReachesTheViewsOnce() {
        QFETCH(Change, change);
        QFETCH(QList<bool>, workedAnew);
        QFETCH(QList<double>, figures);
        OffersModel model;
        model.setLoan(WhichLoan::Loan1, loan(6.75, 360));
        model.setLoan(WhichLoan::Loan2, loan(5.75, 360));
        const std::array before{model.offers().offer(WhichLoan::Loan1),
                                model.offers().offer(WhichLoan::Loan2)};
        Received received;
        connect(&model, &OffersModel::changed, this, [&] {
            const Offers& offers = model.offers();
            ++received.changes;
            received.keepYears = offers.comparison().keepYears;
            for (const WhichLoan loan : kBothLoans) {
                const std::size_t k = indexOf(loan);
                const std::shared_ptr<const WorkedOffer> offer = offers.offer(loan);
                received.workedAnew[k] = offer != before[k];
                received.aprPercent[k] = offer->figures.rates->aprPercent;
                received.payoffPeriods[k] = offer->figures.payoff->periods;
            }
            received.closing2 = *offers.offer(WhichLoan::Loan2)->figures.closingCents;
        });
        change(model);
        QTEST(received.changes, "changes");
        if (received.changes == 0)
            return;
        QCOMPARE((QList<bool>{received.workedAnew[0], received.workedAnew[1]}), workedAnew);
        const QList<double> got{received.keepYears,
                                std::round(received.aprPercent[0] * 1e4) / 1e4,
                                std::round(received.aprPercent[1] * 1e4) / 1e4,
                                double(received.payoffPeriods[0]),
                                double(received.payoffPeriods[1]),
                                double(received.closing2)};
        QCOMPARE(got, figures);
    }
};

} // namespace paysmith

QTEST_GUILESS_MAIN(paysmith::OffersModelTest)
#include "offersmodel_test.moc"
