#include "schedule/core/schedulecsv.h"

#include <gtest/gtest.h>

#include <limits>

namespace paysmith {
namespace {

TEST(ScheduleCsv, WritesPointDecimalsWithoutGroupingAndATotalsLine) {
    // 100.00 at 1 % a month over three months, worked by hand: the payment of
    // 34.0022 bills as 34.00 and the last one takes the 0.01 left over.
    const LenderSchedule s = lenderSchedule({100.0, 12.0, 3, 6, 120.0, 1234.56});
    EXPECT_EQ(scheduleCsv(s), "Period,Payment,Principal,Interest,Taxes,Insurance,Balance\n"
                              "1,34.00,33.00,1.00,10.00,102.88,67.00\n"
                              "2,34.00,33.33,0.67,10.00,102.88,33.67\n"
                              "3,34.01,33.67,0.34,10.00,102.88,0.00\n"
                              "Total,102.01,100.00,2.01,30.00,308.64,\n");
}

TEST(ScheduleCsv, NoScheduleWritesNothing) {
    EXPECT_EQ(scheduleCsv(lenderSchedule({100.0, 12.0, 0, 6, 0, 0})), "");
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
