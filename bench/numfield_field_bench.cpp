// Every keystroke in a numeric field rebuilds its whole display text from the
// entry string; these measure that per key on the program's three masks.

#include "numfield/model/numericfieldmodel.h"

#include <benchmark/benchmark.h>

#include <string_view>

namespace {

using namespace paysmith;

// Requests go nowhere: the measurement is the model's own work.
class NoWindow : public FieldRequests {
  public:
    void beep() override {}
    void post(PostedRequest) override {}
    bool clipboardHasText() override { return false; }
    std::u16string clipboardText() override { return {}; }
    void setClipboardText(std::u16string_view) override {}
    void showErrorMessage(std::u16string_view) override {}
    void focusField() override {}
};

void typeInto(benchmark::State& state, TNumericDataType type, std::u16string mask,
              std::u16string_view keys) {
    const TIntlSupport intl;
    NoWindow window;
    TNumericFieldModel field(intl, window);
    field.setDataType(type);
    field.setPictureMask(std::move(mask));
    for (auto _ : state) {
        // Entered by Tab: all selected, so the first key starts a new number.
        field.focusIn(FocusSource::SameWindow, FocusCause::Keyboard);
        for (char16_t key : keys)
            field.keyPress({Key::Other, Modifiers::None}, std::u16string_view(&key, 1));
        benchmark::DoNotOptimize(field.displayText().data());
        field.focusOut(FocusTarget::OtherWindow);
    }
    state.counters["per_key"] =
        benchmark::Counter(static_cast<double>(state.iterations() * keys.size()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_TypeTwelveCharacterAmount(benchmark::State& state) {
    typeInto(state, TNumericDataType::nftDouble, u"###,###,###.##", u"123456789.12");
}
BENCHMARK(BM_TypeTwelveCharacterAmount);

void BM_TypeNegativeRate(benchmark::State& state) {
    typeInto(state, TNumericDataType::nftDouble, u"###.####", u"-6.123456");
}
BENCHMARK(BM_TypeNegativeRate);

void BM_TypeCount(benchmark::State& state) {
    typeInto(state, TNumericDataType::nftInteger, u"iiiiii", u"-12345");
}
BENCHMARK(BM_TypeCount);

} // namespace
