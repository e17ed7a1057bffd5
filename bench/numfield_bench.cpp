// One layout is the fixed-point rounding and the merge into the mask; one
// read is the strip, the conversion and the range check. Each is measured in
// the three masks of the loan panels over a rotation of values.

#include "numfield/text/numerictext.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

namespace {

using paysmith::NumericText;
using paysmith::PictureMask;
using paysmith::TNumericDataType;

const paysmith::TIntlSupport kIntl;

struct Field {
    std::u16string mask;
    TNumericDataType type;
    std::array<double, 8> values;
};

const Field kAmount{u"###,###,###.##",
                    TNumericDataType::nftDouble,
                    {972.8971, 150000, 200242.9721, 0.005, -1234567.891, 1053.1253, 2.675, 0}};
const Field kRate{u"###.####",
                  TNumericDataType::nftDouble,
                  {6.75, 5.75, 0.0001, -99.9999, 999.9999, 12.34567, 3.2, 0}};
const Field kCount{
    u"iiiiii", TNumericDataType::nftInteger, {360, 240, 10950, -32768, 32767, 1, 780, 0}};

NumericText textOf(const Field& field) {
    return NumericText(kIntl, field.type, PictureMask(field.mask),
                       paysmith::defaultRangeLo(field.type), paysmith::defaultRangeHi(field.type));
}

std::u16string layOut(const NumericText& text, double value) {
    if (paysmith::isIntegerType(text.dataType()))
        return text.displayTextOfInteger(static_cast<std::int32_t>(value));
    return text.displayTextOfFloat(value);
}

void BM_Layout(benchmark::State& state, const Field& field) {
    const NumericText text = textOf(field);
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(layOut(text, field.values[i++ % field.values.size()]));
}
BENCHMARK_CAPTURE(BM_Layout, amount, kAmount);
BENCHMARK_CAPTURE(BM_Layout, rate, kRate);
BENCHMARK_CAPTURE(BM_Layout, count, kCount);

void BM_Read(benchmark::State& state, const Field& field) {
    const NumericText text = textOf(field);
    std::vector<std::u16string> displays;
    for (const double value : field.values)
        displays.push_back(layOut(text, value));
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(text.valueOf(displays[i++ % displays.size()]));
}
BENCHMARK_CAPTURE(BM_Read, amount, kAmount);
BENCHMARK_CAPTURE(BM_Read, rate, kRate);
BENCHMARK_CAPTURE(BM_Read, count, kCount);

} // namespace
