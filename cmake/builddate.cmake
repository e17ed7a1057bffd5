# Run at every build (cmake -DOUTPUT=<header> -P builddate.cmake): writes the
# date of the build, in UTC, as PAYSMITH_BUILD_DATE. string(TIMESTAMP) takes
# SOURCE_DATE_EPOCH when it is set, so a package built twice from the same
# sources is the same. The header is rewritten only when the date changes,
# so that nothing is compiled again on the other builds of the day.
string(TIMESTAMP build_date "%Y-%m-%d" UTC)
file(CONFIGURE OUTPUT ${OUTPUT} CONTENT "#pragma once\n\n#define PAYSMITH_BUILD_DATE \"${build_date}\"\n")
