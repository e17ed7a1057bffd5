#include "fakewindow.h"

#include "numfield/model/invaliddatatype.h"
#include "numfield/model/validationmessage.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

namespace paysmith {
namespace {

using namespace testing_support;

// What the window shows and what was raised after one step of a scenario;
// the texts are written in point-decimal marks.
struct Expected {
    const char* step;
    const char* state;
    const char* log;
};

struct Scenario {
    const char* name;
    const char* fields;
    std::vector<Expected> steps;
};

class Steps : public testing::TestWithParam<std::tuple<Scenario, Marks>> {};

TEST_P(Steps, LeaveTheStateAndEventsOfTheRow) {
    const auto& [scenario, marks] = GetParam();
    FakeWindow window(*marks.intl);
    std::istringstream names(scenario.fields);
    for (std::string name; names >> name;)
        window.addNamed(name);
    for (const Expected& e : scenario.steps) {
        SCOPED_TRACE(e.step);
        window.perform(e.step);
        EXPECT_EQ(window.describe(), utf8(window.withMarks(e.state)));
        EXPECT_EQ(window.takeLog(), e.log);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Scenarios, Steps, testing::Combine(testing::Values(
    // The recalculation on OnExit runs between the leave handling and the
    // focus coming back, and finds the rejected field reading 0. The field
    // entered meanwhile is not validated until the report is over, then is.
    Scenario{"field_entered_during_an_error_validates_after_it", "count term", {
        {"tab count", ">count=[0] term=0", "focus count"},
        {"type -40000", ">count=-40000* term=0", "change count x6"},
        {"tab term", "count=-40000*#256 >term=[0]", "exit count=0; focus term"},
        {"run", ">count=-40000*#256 term=0", "exit term=0; focus count; message Value is not within required range (from −32,768 to 32,767)"},
        {"key Backspace", ">count=-4000*#256 term=0", "change count"},
        {"tab term", "count=-4000* >term=[0]", "exit count=-4000; focus term"},
        {"type 50000", "count=-4000* >term=50000*", "change term x5"},
        {"tab count", ">count=[-4000] term=50000*#256", "exit term=0; focus count"},
        {"run", "count=-4000 >term=50000*#256", "exit count=-4000; focus term; message Value is not within required range (from −32,768 to 32,767)"}}},
    Scenario{"only_one_report_waits_across_fields", "count amount", {
        {"tab count", ">count=[0] amount=0.00", "focus count"},
        {"type 99999", ">count=99999* amount=0.00", "change count x5"},
        {"pending", ">count=99999* amount=0.00", ""},
        {"tab amount", "count=99999*#256 >amount=[0.00]", "exit count=0; focus amount"},
        {"run", ">count=99999*#256 amount=0.00", "exit amount=0; focus count"}}},
    // Coming back from another window goes on with the entry, unless the
    // focus comes back into another field.
    Scenario{"another_window_takes_the_focus_without_validation", "count amount", {
        {"tab count", ">count=[0] amount=0.00", "focus count"},
        {"type 40000", ">count=40000* amount=0.00", "change count x5"},
        {"away", "count=40000* amount=0.00", ""},
        {"run", "count=40000* amount=0.00", ""},
        {"back", ">count=40000* amount=0.00", ""},
        {"type 5", ">count=400005* amount=0.00", "change count"},
        {"away", "count=400005* amount=0.00", ""},
        {"back amount", "count=400005* >amount=[0.00]", ""}}},
    Scenario{"soft_validation_marks_the_field_and_lets_the_focus_go", "count amount", {
        {"soft count", "count=0 amount=0.00", ""},
        {"tab count", ">count=[0] amount=0.00", "focus count"},
        {"type 40000", ">count=40000* amount=0.00", "change count x5"},
        {"tab amount", "count=40000*!#256 >amount=[0.00]", "exit count=0; focus amount"},
        {"set count 12", "count=12#256 >amount=[0.00]", ""},
        {"tab count", ">count=[12]#256 amount=0.00", "exit amount=0; focus count"},
        {"type 40000", ">count=40000*#256 amount=0.00", "change count x5"},
        {"tab amount", "count=40000*!#256 >amount=[0.00]", "exit count=0; focus amount"},
        {"tab count", ">count=[40000]!#256 amount=0.00", "exit amount=0; focus count"},
        {"type 12", ">count=12*!#256 amount=0.00", "change count x2"},
        {"tab amount", "count=12* >amount=[0.00]", "exit count=12; focus amount"}}},
    Scenario{"a_disabled_field_is_valid_as_it_stands", "count amount", {
        {"tab count", ">count=[0] amount=0.00", "focus count"},
        {"type 40000", ">count=40000* amount=0.00", "change count x5"},
        {"disable count", ">count=40000*~ amount=0.00", ""},
        {"tab amount", "count=40000*~#256 >amount=[0.00]", "exit count=0; focus amount"},
        {"run", "count=40000*~#256 >amount=[0.00]", ""}}},
    Scenario{"after_enter_and_after_exit_are_posted", "count amount", {
        {"hooks count", "count=0 amount=0.00", ""},
        {"tab count", ">count=[0] amount=0.00", "focus count"},
        {"tab amount", "count=0 >amount=[0.00]", "exit count=0; focus amount"},
        {"run", "count=0 >amount=[0.00]", "after-enter count; after-exit count"}}},
    Scenario{"writing_to_the_focused_field_selects_it", "amount", {
        {"click amount", ">amount=0.00", "focus amount"},
        {"key Backspace", ">amount=0.0*", "change amount"},
        {"set amount 500", ">amount=[500.00]", ""},
        {"key Right", ">amount=500.00", ""},
        {"key Backspace", ">amount=500.0*", "change amount"}}},
    Scenario{"typing_after_a_paste_goes_on_from_it", "amount", {
        {"tab amount", ">amount=[0.00]", "focus amount"},
        {"paste 1,234.56", ">amount=1,234.56* clipboard=1,234.56", "change amount"},
        {"key Backspace", ">amount=1,234.5* clipboard=1,234.56", "change amount"},
        {"key Shift+Left", ">amount=[1,234.5]* clipboard=1,234.56", ""},
        {"paste 1234567890", ">amount=[1,234.5]* clipboard=1234567890", "beep"},
        {"type 8", ">amount=8* clipboard=1234567890", "change amount"}}},
    Scenario{"restore_raises_a_change_and_typing_goes_on_from_it", "amount", {
        {"set amount 150000", "amount=150,000.00", ""},
        {"tab amount", ">amount=[150,000.00]", "focus amount"},
        {"type 25", ">amount=25*", "change amount x2"},
        {"key Alt+Backspace", ">amount=[150,000.00]", "change amount"},
        {"click amount", ">amount=150,000.00", ""},
        {"key Backspace", ">amount=150,000.0*", "change amount"},
        {"key Ctrl+Z", ">amount=[150,000.00]", "change amount"},
        {"type 9", ">amount=9*", "change amount"}}},
    Scenario{"cut_copies_the_shown_text_and_clears", "amount", {
        {"set amount -1234.5", "amount=-1,234.50", ""},
        {"tab amount", ">amount=[-1,234.50]", "focus amount"},
        {"key Ctrl+X", ">amount=0* clipboard=-1,234.50", "change amount"},
        {"type 5", ">amount=5* clipboard=-1,234.50", "change amount"},
        {"key Ctrl+X", ">amount=5* clipboard=-1,234.50", ""}}},
    // All fields share one insert mode; a field that forces overtype keeps it.
    Scenario{"insert_switches_the_mode_all_fields_share", "amount rate count", {
        {"overtype count", "amount=0.00 rate=0.0000 count=0", ""},
        {"tab amount", ">amount=[0.00] rate=0.0000 count=0", "focus amount"},
        {"key Insert", ">amount=[0.00]^ rate=0.0000 count=0", ""},
        {"tab rate", "amount=0.00 >rate=[0.0000]^ count=0", "exit amount=0; focus rate"},
        {"key Insert", "amount=0.00 >rate=[0.0000] count=0", ""},
        {"tab count", "amount=0.00 rate=0.0000 >count=[0]^", "exit rate=0; focus count"},
        {"key Insert", "amount=0.00 rate=0.0000 >count=[0]^", ""},
        {"tab amount", ">amount=[0.00] rate=0.0000 count=0", "exit count=0; focus amount"}}},
    // The value shown first is 0, or the low end of a range that excludes 0.
    Scenario{"a_range_without_zero_starts_at_its_low_end", "count rate", {
        {"range count -100 -10", "count=0 rate=0.0000", ""},
        {"mask count iiii", "count=-100 rate=0.0000", ""},
        {"range rate 2 5", "count=-100 rate=0.0000", ""},
        {"mask rate ###.####", "count=-100 rate=2.0000", ""}}},
    // Equal limits count as none set: the type's own range applies.
    Scenario{"a_range_of_its_own_rejects_what_the_type_would_take", "rate amount", {
        {"range rate 0 100", "rate=0.0000 amount=0.00", ""},
        {"tab rate", ">rate=[0.0000] amount=0.00", "focus rate"},
        {"type 150", ">rate=150* amount=0.00", "change rate x3"},
        {"tab amount", "rate=150*#256 >amount=[0.00]", "exit rate=0; focus amount"},
        {"range rate 0 0", "rate=150*#256 >amount=[0.00]", ""},
        {"read rate", "rate=150* >amount=[0.00]", "read rate=150"}}},
    // A result too wide for the field shows "#" marks; leaving it untouched
    // raises no message and keeps no focus (the read on exit still finds no number).
    Scenario{"untouched_overflow_text_leaves_quietly", "amount count", {
        {"set amount 1e12", "amount=############## count=0", ""},
        {"tab amount", ">amount=[##############] count=0", "focus amount"},
        {"tab count", "amount=###############257 >count=[0]", "exit amount=0; focus count"},
        {"run", "amount=###############257 >count=[0]", ""}}},
    // Enter works the entry out as leaving would, and stays with it selected.
    Scenario{"enter_stores_the_entry_and_stays", "count amount", {
        {"tab count", ">count=[0] amount=0.00", "focus count"},
        {"type 360", ">count=360* amount=0.00", "change count x3"},
        {"enter", ">count=[360] amount=0.00", "exit count=360"},
        {"type 12", ">count=12* amount=0.00", "change count x2"},
        {"type 9999", ">count=129999* amount=0.00", "change count x4"},
        {"enter", ">count=129999*#256 amount=0.00", "exit count=0"},
        {"run", ">count=129999*#256 amount=0.00", "message Value is not within required range (from −32,768 to 32,767)"}}},
    // Writing raises no OnChange.
    Scenario{"writing_lays_out_reading_gives_the_shown_value", "amount", {
        {"set amount 972.9047", "amount=972.90", ""},
        {"read amount", "amount=972.90", "read amount=972.9"}}}),
    testing::ValuesIn(kMarks)),
    [](const auto& info) { return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name; });
// clang-format on

TEST(Leaving, HooksReplaceTheMessageBoxAndMayChangeTheCode) {
    const TIntlSupport intl;
    FakeWindow window(intl);
    FakeField& count = window.addNamed("count");
    FakeField& amount = window.addNamed("amount");
    std::vector<int> codes;
    count.model.OnUserValidation = [](TNumericFieldModel&, int& code) {
        code = code == 0 ? 300 : code;
    };
    window.controller.OnError = [&](TNumericFieldModel&, int code, const std::u16string& message) {
        codes.push_back(code);
        window.log.push_back("hook " + utf8(message));
    };
    window.tabInto(count);
    window.type(u"12");
    window.tabInto(amount);
    window.runPosted();
    EXPECT_EQ(window.log.back(), "hook Entry Error");
    count.model.OnError = [&](TNumericFieldModel&, int code, const std::u16string&) {
        codes.push_back(-code);
    };
    window.tabInto(amount);
    window.runPosted();
    EXPECT_EQ(codes, (std::vector<int>{300, -300}));
}

TEST(FieldLifetime, AFieldDestroyedWithAPendingReportFreesTheController) {
    const TIntlSupport intl;
    FakeWindow window(intl);
    FakeField& amount = window.addNamed("amount");
    {
        FakeField count(window, "count");
        count.model.setDataType(TNumericDataType::nftInteger);
        window.tabInto(count);
        window.type(u"40000");
        window.tabInto(amount);
        EXPECT_TRUE(window.controller.errorPending());
    }
    EXPECT_FALSE(window.controller.errorPending());
}

struct WrongUse {
    const char* name;
    bool integerField;
    void (*use)(TNumericFieldModel&);
};

class ValueInterface : public testing::TestWithParam<WrongUse> {};

TEST_P(ValueInterface, RefusesTheWrongType) {
    const TIntlSupport intl;
    FakeWindow window(intl);
    FakeField& field = window.addNamed(GetParam().integerField ? "count" : "amount");
    EXPECT_THROW(GetParam().use(field.model), EInvalidDataType);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(WrongType, ValueInterface, testing::Values(
    WrongUse{"float_into_count", true, [](TNumericFieldModel& m) { m.setFloatValue(1); }},
    WrongUse{"integer_into_amount", false, [](TNumericFieldModel& m) { m.setIntegerValue(1); }},
    WrongUse{"integer_read_of_amount", false, [](TNumericFieldModel& m) { static_cast<void>(m.IntegerValue()); }}),
    [](const testing::TestParamInfo<WrongUse>& info) { return info.param.name; });
// clang-format on

// The range message as reported, taken apart again to be translated part by part.
TEST(RangeMessageParts, SplitTheSentenceFromItsLimits) {
    const auto parts =
        rangeMessageParts(u"Value is not within required range (from −32,768 to 32,767)");
    ASSERT_TRUE(parts);
    EXPECT_EQ(parts->sentence, u"Value is not within required range");
    EXPECT_EQ(parts->from, u"−32,768");
    EXPECT_EQ(parts->to, u"32,767");
    EXPECT_FALSE(rangeMessageParts(u"Entry Error"));
}

} // namespace
} // namespace paysmith
