#include "base/text/csvfield.h"
#include "base/text/csvreader.h"

#include <gtest/gtest.h>

namespace paysmith {
namespace {

// Every field a line could hold comes back as the same cell, in its place.
TEST(CsvField, ALineReadsBackToTheSameCells) {
    const std::vector<std::string> fields = {"APR, United States (%)",
                                             "12\" pipe",
                                             "\"",
                                             "two\nlines",
                                             "carriage\rreturn",
                                             "crlf\r\n",
                                             "",
                                             "plain",
                                             ",\"\",",
                                             "-1234.05"};
    std::string line;
    for (const std::string& field : fields) {
        if (!line.empty())
            line += ',';
        appendCsvField(line, field);
    }
    line += '\n';
    const auto rows = test::readCsv(line);
    ASSERT_TRUE(rows) << line;
    ASSERT_EQ(rows->size(), 1u) << line;
    EXPECT_EQ(rows->front(), fields) << line;
}

} // namespace
} // namespace paysmith
