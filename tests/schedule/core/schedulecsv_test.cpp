#include "schedule/core/schedulecsv.h"

#include "base/text/csvreader.h"

#include <gtest/gtest.h>

#include <limits>

namespace paysmith {
namespace {

TEST(ScheduleCsv, WritesTheInputsThenPointDecimalsWithoutGroupingAndATotalsLine) {
    // 100.00 at 1 % a month over three months, worked by hand: the payment of
    // 34.0022 bills as 34.00 and the last one takes the 0.01 left over.
    EXPECT_EQ(scheduleCsv({100.0, 12.0, 3, 6, 120.0, 1234.56}),
              "Amount borrowed,100.00\n"
              "Payment frequency,Monthly 12\n"
              "Number of payments,3\n"
              "Annual interest rate %,12.0000\n"
              "Annual taxes,120.00\n"
              "Annual insurance,1234.56\n"
              "\n"
              "Period,Payment,Principal,Interest,Taxes,Insurance,Balance\n"
              "1,34.00,33.00,1.00,10.00,102.88,67.00\n"
              "2,34.00,33.33,0.67,10.00,102.88,33.67\n"
              "3,34.01,33.67,0.34,10.00,102.88,0.00\n"
              "Total,102.01,100.00,2.01,30.00,308.64,\n");
}

TEST(ScheduleCsv, ExtraPaymentsGetAColumnAfterThePayment) {
    // The same loan with 10.00 more each month, by hand: the payment and its
    // principal are the contract's, the extra beside them; the third payment
    // is the contract's last, which takes what is left, with no extra in it.
    const std::string csv = scheduleCsv({100.0, 12.0, 3, 6, 0, 0}, {1000, 0, 0});
    EXPECT_EQ(csv.substr(csv.find("\n\n") + 2),
              "Period,Payment,Extra,Principal,Interest,Taxes,Insurance,Balance\n"
              "1,34.00,10.00,33.00,1.00,0.00,0.00,57.00\n"
              "2,34.00,10.00,33.43,0.57,0.00,0.00,13.57\n"
              "3,13.71,0.00,13.57,0.14,0.00,0.00,0.00\n"
              "Total,81.71,20.00,80.00,1.71,0.00,0.00,\n");
}

TEST(ScheduleCsv, InputsKeepTheFieldsDecimalsAndSign) {
    const std::string csv = scheduleCsv({1234567.891, -1.23456, 12, 9, 0.004, 999999999.99});
    EXPECT_EQ(csv.substr(0, csv.find("\n\n")), "Amount borrowed,1234567.89\n"
                                               "Payment frequency,Annually 1\n"
                                               "Number of payments,12\n"
                                               "Annual interest rate %,-1.2346\n"
                                               "Annual taxes,0.00\n"
                                               "Annual insurance,999999999.99");
}

// A spreadsheet sees a caption and its value on every input line, then the
// header's columns on every line of the table.
TEST(ScheduleCsv, ReadsBackToItsColumns) {
    for (const ExtraPayments& extras : {ExtraPayments{}, ExtraPayments{100}}) {
        const std::string csv = scheduleCsv({100.0, 12.0, 3, 6, 120.0, 1234.56}, extras);
        const std::optional<test::CsvRows> rows = test::readCsv(csv);
        ASSERT_TRUE(rows) << csv;
        ASSERT_EQ(rows->size(), 6u + 1 + 1 + 3 + 1) << csv;
        for (std::size_t k = 0; k < rows->size(); ++k)
            EXPECT_EQ(rows->at(k).size(), k < 6 ? 2 : k == 6 ? 1 : rows->at(7).size()) << csv;
        EXPECT_EQ(rows->at(1), (std::vector<std::string>{"Payment frequency", "Monthly 12"}));
    }
}

TEST(ScheduleCsv, NoScheduleWritesNothing) {
    EXPECT_EQ(scheduleCsv({100.0, 12.0, 0, 6, 0, 0}), "");
}

TEST(ScheduleCsv, CentsKeepTheirSignAtEveryMagnitude) {
    struct Case {
        std::int64_t cents;
        const char* text;
    };
    for (const Case& c :
         {Case{0, "0.00"}, Case{-5, "-0.05"}, Case{-100, "-1.00"}, Case{123456789, "1234567.89"},
          Case{std::numeric_limits<std::int64_t>::min(), "-92233720368547758.08"}})
        EXPECT_EQ(centsText(c.cents), c.text);
}

} // namespace
} // namespace paysmith
