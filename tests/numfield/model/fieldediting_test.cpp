#include "fakewindow.h"

#include <gtest/gtest.h>

#include <variant>

namespace paysmith {
namespace {

using namespace testing_support;
using enum EntryCommand;

enum class MaskKind { Amount, Rate, Count };
enum class Entry { ByTab, ByMouse };

struct Typed {
    std::u16string text{};
};
struct Pasted {
    std::u16string text{};
};
struct Pressed {
    Key key;
    Modifiers modifiers = Modifiers::None;
    std::u16string text{};
};
using Step = std::variant<Typed, Pasted, Pressed>;

struct EditCase {
    const char* name;
    MaskKind mask;
    double value;
    Entry entry;
    std::vector<Step> steps;
    std::u16string shown;      // while the field has the focus
    std::u16string afterLeave; // once Tab has taken the focus on
    int beeps;
};

FakeField& addField(FakeWindow& window, MaskKind kind) {
    switch (kind) {
    case MaskKind::Amount:
        return window.addAmount("edit");
    case MaskKind::Rate:
        return window.addRate("edit");
    case MaskKind::Count:
        return window.addCount("edit");
    }
    return window.addAmount("edit");
}

class Editing : public testing::TestWithParam<EditCase> {};

TEST_P(Editing, ShowsWhatWasTypedAndLaysItOutOnLeaving) {
    const EditCase& c = GetParam();
    const TIntlSupport intl;
    FakeWindow window(intl);
    FakeField& field = addField(window, c.mask);
    FakeField& next = window.addAmount("next");
    if (c.mask == MaskKind::Count)
        field.model.setIntegerValue(static_cast<std::int32_t>(c.value));
    else
        field.model.setFloatValue(c.value);
    if (c.entry == Entry::ByTab)
        window.tabInto(field);
    else
        window.clickInto(field);
    for (const Step& step : c.steps) {
        if (const auto* typed = std::get_if<Typed>(&step))
            window.type(typed->text);
        else if (const auto* pasted = std::get_if<Pasted>(&step)) {
            window.clipboard = pasted->text;
            window.press(Key::V, Modifiers::Ctrl);
        } else {
            const auto& pressed = std::get<Pressed>(step);
            field.model.keyPress({pressed.key, pressed.modifiers}, pressed.text);
        }
    }
    const std::size_t length = field.model.displayText().size();
    EXPECT_EQ(utf8(field.model.displayString()), utf8(c.shown));
    EXPECT_EQ(window.beeps, c.beeps);
    window.tabInto(next);
    EXPECT_EQ(utf8(field.model.displayString()), utf8(c.afterLeave));
    EXPECT_EQ(field.model.displayText().size(), length);
}

const Step kBack = Pressed{Key::Backspace};
const Step kDelete = Pressed{Key::Delete};

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Keystrokes, Editing,
    testing::Values(
        EditCase{"tab_in_and_type_replaces", MaskKind::Amount, 150000, Entry::ByTab, {Typed{u"25"}}, u"25", u"25.00", 0},
        EditCase{"mouse_in_appends_to_zero", MaskKind::Amount, 0, Entry::ByMouse, {Typed{u"5"}}, u"0.005", u"0.01", 0},
        EditCase{"typing_shows_point_then_decimals", MaskKind::Amount, 0, Entry::ByTab, {Typed{u"1234.5"}}, u"1,234.5", u"1,234.50", 0},
        EditCase{"backspace_once", MaskKind::Amount, 1234.56, Entry::ByMouse, {kBack}, u"1,234.5", u"1,234.50", 0},
        EditCase{"backspace_twice", MaskKind::Amount, 1234.56, Entry::ByMouse, {kBack, kBack}, u"1,234.", u"1,234.00", 0},
        EditCase{"delete_three_times", MaskKind::Amount, 1234.56, Entry::ByMouse, {kDelete, kDelete, kDelete}, u"1,234", u"1,234.00", 0},
        EditCase{"backspace_on_selection_clears", MaskKind::Amount, 1234.56, Entry::ByTab, {kBack}, u"0", u"0.00", 0},
        EditCase{"delete_everything_rate", MaskKind::Rate, 5, Entry::ByMouse, {kBack, kBack, kBack, kBack, kBack, kBack, kBack}, u"0", u"0.0000", 0},
        EditCase{"delete_everything_count", MaskKind::Count, 7, Entry::ByMouse, {kBack, kBack}, u"0", u"0", 0},
        EditCase{
            "count_minus_on_zero", MaskKind::Count, 0, Entry::ByTab, {Typed{u"-"}}, u"-0", u"0", 0},
        EditCase{
            "count_minus_twice", MaskKind::Count, 0, Entry::ByTab, {Typed{u"--"}}, u"0", u"0", 0},
        EditCase{"refused_letter_still_clears_selection", MaskKind::Amount, 150000, Entry::ByTab, {Typed{u"a"}}, u"0", u"0.00", 1},
        EditCase{"count_refuses_point", MaskKind::Count, 12, Entry::ByMouse, {Typed{u"."}}, u"12", u"12", 1},
        EditCase{"second_point_beeps", MaskKind::Amount, 0, Entry::ByTab, {Typed{u"1.2.3"}}, u"1.23", u"1.23", 1},
        EditCase{"tenth_integer_digit_beeps", MaskKind::Amount, 0, Entry::ByTab, {Typed{u"1234567890"}}, u"123,456,789", u"123,456,789.00", 1},
        EditCase{"ninth_digit_after_minus_beeps", MaskKind::Amount, 0, Entry::ByTab, {Typed{u"-123456789"}}, u"-12,345,678", u"-12,345,678.00", 1},
        EditCase{"rate_shows_every_typed_decimal", MaskKind::Rate, 6.75, Entry::ByTab, {Typed{u"6.12345"}}, u"6.12345", u"6.1235", 0},
        EditCase{"arrows_and_home_end_move_nothing", MaskKind::Amount, 12.5, Entry::ByMouse, {Pressed{Key::Left}, Pressed{Key::Right}, Pressed{Key::Home}, Pressed{Key::End}, Pressed{Key::Up}, Pressed{Key::Down}, Typed{u"3"}}, u"12.503", u"12.50", 0},
        EditCase{"arrow_drops_the_selection", MaskKind::Amount, 12.5, Entry::ByTab, {Pressed{Key::Left}, Typed{u"3"}}, u"12.503", u"12.50", 0},
        EditCase{"shift_arrow_selects_all", MaskKind::Amount, 12.5, Entry::ByMouse, {Pressed{Key::Left, Modifiers::Shift}, Typed{u"7"}}, u"7", u"7.00", 0},
        EditCase{"alt_with_a_character_is_the_windows", MaskKind::Amount, 12, Entry::ByMouse, {Pressed{Key::Digit5, Modifiers::Alt, u"5"}}, u"12.00", u"12.00", 0},
        EditCase{"ctrl_with_a_printable_types_nothing", MaskKind::Amount, 12, Entry::ByMouse, {Pressed{Key::Other, Modifiers::Ctrl, u"-"}}, u"12.00", u"12.00", 0},
        EditCase{"ctrl_letter_control_code_beeps_keeps_selection", MaskKind::Amount, 12, Entry::ByTab, {Pressed{Key::A, Modifiers::Ctrl, u"\x01"}}, u"12.00", u"12.00", 1},
        EditCase{"ctrl_digit_is_a_marker_and_drops_selection", MaskKind::Amount, 12, Entry::ByTab, {Pressed{Key::Digit1, Modifiers::Ctrl, u"1"}, Typed{u"4"}}, u"12.004", u"12.00", 0},
        EditCase{"restore_puts_back_the_saved_text", MaskKind::Amount, 150000, Entry::ByTab, {Typed{u"25"}, Pressed{Key::Backspace, Modifiers::Alt}}, u"150,000.00", u"150,000.00", 0},
        EditCase{"ctrl_z_restores_too", MaskKind::Amount, 150000, Entry::ByMouse, {Typed{u"9"}, Pressed{Key::Z, Modifiers::Ctrl}, Typed{u"1"}}, u"1", u"1.00", 0},
        EditCase{"paste_skips_grouping", MaskKind::Amount, 150000, Entry::ByTab, {Pasted{u"1,234.56"}}, u"1,234.56", u"1,234.56", 0},
        EditCase{"paste_appends_without_selection", MaskKind::Amount, 12, Entry::ByMouse, {Pasted{u"34"}}, u"12.0034", u"12.00", 0},
        // A point the field cannot take would splice the digits around it.
        EditCase{"paste_with_point_into_count_refused", MaskKind::Count, 360, Entry::ByTab, {Pasted{u"12.5"}}, u"360", u"360", 1},
        EditCase{"paste_with_second_point_refused", MaskKind::Amount, 3.4, Entry::ByMouse, {Pasted{u"12.5"}}, u"3.40", u"3.40", 1},
        EditCase{"paste_with_too_many_digits_refused", MaskKind::Amount, 150000, Entry::ByTab, {Pasted{u"1234567890"}}, u"150,000.00", u"150,000.00", 1},
        EditCase{"paste_negative_without_room_refused", MaskKind::Count, 5, Entry::ByTab, {Pasted{u"-123456"}}, u"5", u"5", 1},
        EditCase{"paste_minus_into_negative_keeps_sign", MaskKind::Amount, -5, Entry::ByMouse, {Pasted{u"-3"}}, u"-5.003", u"-5.00", 0},
        EditCase{"paste_drops_decimals_beyond_width", MaskKind::Rate, 0, Entry::ByTab, {Pasted{u"3.14159265"}}, u"3.141592", u"3.1416", 0},
        EditCase{"paste_into_count_whole_number", MaskKind::Count, 360, Entry::ByTab, {Pasted{u"1 2 0"}}, u"120", u"120", 0},
        // "-0.123456" needs nine places in an eight-place display; the 0 goes,
        // never the sign.
        EditCase{"rate_minus_before_six_decimals", MaskKind::Rate, 0, Entry::ByTab, {Typed{u"-.123456"}}, u"-.123456", u"-0.1235", 0},
        EditCase{"rate_minus_after_six_decimals", MaskKind::Rate, 0, Entry::ByTab, {Typed{u".123456-"}}, u"-.123456", u"-0.1235", 0},
        EditCase{"rate_positive_seven_decimals", MaskKind::Rate, 0, Entry::ByTab, {Typed{u".1234567"}}, u".1234567", u"0.1235", 0},
        EditCase{"rate_minus_five_decimals_keeps_zero", MaskKind::Rate, 0, Entry::ByTab, {Typed{u"-.12345"}}, u"-0.12345", u"-0.1235", 0}),
    [](const testing::TestParamInfo<EditCase>& info) { return info.param.name; });
// clang-format on

TEST(Editing, DecimalCommaLocaleTypesAndReadsWithItsMarks) {
    IntlSettings settings;
    settings.decimalMark = u",";
    settings.groupMark = u".";
    const TIntlSupport intl(settings);
    FakeWindow window(intl);
    FakeField& amount = window.addAmount("amount");
    FakeField& next = window.addAmount("next");
    window.tabInto(amount);
    window.type(u"1234.,5");
    EXPECT_EQ(utf8(amount.model.displayString()), "1.234,5");
    EXPECT_EQ(window.beeps, 1);
    window.tabInto(next);
    EXPECT_EQ(utf8(amount.model.displayString()), "1.234,50");
    EXPECT_DOUBLE_EQ(amount.model.FloatValue(), 1234.5);
}

TEST(Editing, CutCopiesTheShownTextAndClears) {
    const TIntlSupport intl;
    FakeWindow window(intl);
    FakeField& amount = window.addAmount("amount");
    amount.model.setFloatValue(-1234.5);
    window.tabInto(amount);
    window.press(Key::X, Modifiers::Ctrl);
    EXPECT_EQ(utf8(window.clipboard), "-1,234.50");
    EXPECT_EQ(utf8(amount.model.displayString()), "0");
    window.press(Key::X, Modifiers::Ctrl);
    EXPECT_EQ(utf8(window.clipboard), "-1,234.50");
}

TEST(Editing, InsertKeySwitchesTheModeAllFieldsShare) {
    const TIntlSupport intl;
    FakeWindow window(intl);
    FakeField& amount = window.addAmount("amount");
    FakeField& rate = window.addRate("rate");
    FakeField& forced = window.addCount("forced");
    forced.model.setOptions({TEntryFieldOption::efoForceOvertype});
    window.tabInto(amount);
    window.press(Key::Insert);
    EXPECT_EQ(amount.model.insertMode(), InsertMode::Overtype);
    window.tabInto(rate);
    EXPECT_EQ(rate.model.insertMode(), InsertMode::Overtype);
    window.press(Key::Insert);
    window.tabInto(forced);
    window.press(Key::Insert);
    EXPECT_EQ(forced.model.insertMode(), InsertMode::Overtype);
    EXPECT_EQ(window.controller.insertMode(), InsertMode::Insert);
}

} // namespace
} // namespace paysmith
