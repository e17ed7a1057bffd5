#include "fakewindow.h"

#include <gtest/gtest.h>

#include <tuple>
#include <variant>

namespace paysmith {
namespace {

using namespace testing_support;
using enum EntryCommand;

enum class MaskKind { Amount, Rate, Count };
enum class Entry { ByTab, ByMouse };

// Texts in point-decimal marks, as in FakeWindow::withMarks.
struct Typed {
    const char* text;
};
struct Pasted {
    const char* text;
};
struct Pressed {
    Key key;
    Modifiers modifiers = Modifiers::None;
    const char* text = "";
};
using Step = std::variant<Typed, Pasted, Pressed>;

struct EditCase {
    const char* name;
    MaskKind mask;
    double value;
    Entry entry;
    std::vector<Step> steps;
    const char* shown;      // while the field has the focus
    const char* afterLeave; // once Tab has taken the focus on
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

class Editing : public testing::TestWithParam<std::tuple<EditCase, Marks>> {};

TEST_P(Editing, ShowsWhatWasTypedAndLaysItOutOnLeaving) {
    const auto& [c, marks] = GetParam();
    FakeWindow window(*marks.intl);
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
            window.type(window.withMarks(typed->text));
        else if (const auto* pasted = std::get_if<Pasted>(&step)) {
            window.clipboard = window.withMarks(pasted->text);
            window.press(Key::V, Modifiers::Ctrl);
        } else {
            const auto& pressed = std::get<Pressed>(step);
            field.model.keyPress({pressed.key, pressed.modifiers}, window.withMarks(pressed.text));
        }
    }
    const std::size_t length = field.model.displayText().size();
    EXPECT_EQ(utf8(field.model.displayString()), utf8(window.withMarks(c.shown)));
    EXPECT_EQ(window.beeps, c.beeps);
    window.tabInto(next);
    EXPECT_EQ(utf8(field.model.displayString()), utf8(window.withMarks(c.afterLeave)));
    EXPECT_EQ(field.model.displayText().size(), length);
}

const Step kBack = Pressed{Key::Backspace};
const Step kDelete = Pressed{Key::Delete};

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Keystrokes, Editing,
    testing::Combine(testing::Values(
        EditCase{"tab_in_and_type_replaces", MaskKind::Amount, 150000, Entry::ByTab, {Typed{"25"}}, "25", "25.00", 0},
        EditCase{"mouse_in_appends_to_zero", MaskKind::Amount, 0, Entry::ByMouse, {Typed{"5"}}, "0.005", "0.01", 0},
        EditCase{"typing_shows_point_then_decimals", MaskKind::Amount, 0, Entry::ByTab, {Typed{"1234.5"}}, "1,234.5", "1,234.50", 0},
        EditCase{"backspace_once", MaskKind::Amount, 1234.56, Entry::ByMouse, {kBack}, "1,234.5", "1,234.50", 0},
        EditCase{"backspace_twice", MaskKind::Amount, 1234.56, Entry::ByMouse, {kBack, kBack}, "1,234.", "1,234.00", 0},
        EditCase{"delete_three_times", MaskKind::Amount, 1234.56, Entry::ByMouse, {kDelete, kDelete, kDelete}, "1,234", "1,234.00", 0},
        EditCase{"backspace_on_selection_clears", MaskKind::Amount, 1234.56, Entry::ByTab, {kBack}, "0", "0.00", 0},
        EditCase{"delete_everything_rate", MaskKind::Rate, 5, Entry::ByMouse, {kBack, kBack, kBack, kBack, kBack, kBack, kBack}, "0", "0.0000", 0},
        EditCase{"delete_everything_count", MaskKind::Count, 7, Entry::ByMouse, {kBack, kBack}, "0", "0", 0},
        EditCase{"count_minus_on_zero", MaskKind::Count, 0, Entry::ByTab, {Typed{"-"}}, "-0", "0", 0},
        EditCase{"count_minus_twice", MaskKind::Count, 0, Entry::ByTab, {Typed{"--"}}, "0", "0", 0},
        EditCase{"refused_letter_still_clears_selection", MaskKind::Amount, 150000, Entry::ByTab, {Typed{"a"}}, "0", "0.00", 1},
        EditCase{"group_mark_refused", MaskKind::Amount, 0, Entry::ByTab, {Typed{"1,2"}}, "12", "12.00", 1},
        EditCase{"count_refuses_point", MaskKind::Count, 12, Entry::ByMouse, {Typed{"."}}, "12", "12", 1},
        EditCase{"second_point_beeps", MaskKind::Amount, 0, Entry::ByTab, {Typed{"1.2.3"}}, "1.23", "1.23", 1},
        EditCase{"tenth_integer_digit_beeps", MaskKind::Amount, 0, Entry::ByTab, {Typed{"1234567890"}}, "123,456,789", "123,456,789.00", 1},
        EditCase{"ninth_digit_after_minus_beeps", MaskKind::Amount, 0, Entry::ByTab, {Typed{"-123456789"}}, "-12,345,678", "-12,345,678.00", 1},
        EditCase{"rate_shows_every_typed_decimal", MaskKind::Rate, 6.75, Entry::ByTab, {Typed{"6.12345"}}, "6.12345", "6.1235", 0},
        EditCase{"arrows_and_home_end_move_nothing", MaskKind::Amount, 12.5, Entry::ByMouse, {Pressed{Key::Left}, Pressed{Key::Right}, Pressed{Key::Home}, Pressed{Key::End}, Pressed{Key::Up}, Pressed{Key::Down}, Typed{"3"}}, "12.503", "12.50", 0},
        EditCase{"arrow_drops_the_selection", MaskKind::Amount, 12.5, Entry::ByTab, {Pressed{Key::Left}, Typed{"3"}}, "12.503", "12.50", 0},
        EditCase{"shift_arrow_selects_all", MaskKind::Amount, 12.5, Entry::ByMouse, {Pressed{Key::Left, Modifiers::Shift}, Typed{"7"}}, "7", "7.00", 0},
        EditCase{"alt_with_a_character_is_the_windows", MaskKind::Amount, 12, Entry::ByMouse, {Pressed{Key::Digit5, Modifiers::Alt, "5"}}, "12.00", "12.00", 0},
        EditCase{"ctrl_with_a_printable_types_nothing", MaskKind::Amount, 12, Entry::ByMouse, {Pressed{Key::Other, Modifiers::Ctrl, "-"}}, "12.00", "12.00", 0},
        EditCase{"ctrl_letter_control_code_beeps_keeps_selection", MaskKind::Amount, 12, Entry::ByTab, {Pressed{Key::A, Modifiers::Ctrl, "\x01"}}, "12.00", "12.00", 1},
        EditCase{"ctrl_digit_is_a_marker_and_drops_selection", MaskKind::Amount, 12, Entry::ByTab, {Pressed{Key::Digit1, Modifiers::Ctrl, "1"}, Typed{"4"}}, "12.004", "12.00", 0},
        EditCase{"paste_appends_without_selection", MaskKind::Amount, 12, Entry::ByMouse, {Pasted{"34"}}, "12.0034", "12.00", 0},
        // A point the field cannot take would splice the digits around it.
        EditCase{"paste_with_point_into_count_refused", MaskKind::Count, 360, Entry::ByTab, {Pasted{"12.5"}}, "360", "360", 1},
        EditCase{"paste_with_second_point_refused", MaskKind::Amount, 3.4, Entry::ByMouse, {Pasted{"12.5"}}, "3.40", "3.40", 1},
        EditCase{"paste_with_too_many_digits_refused", MaskKind::Amount, 150000, Entry::ByTab, {Pasted{"1234567890"}}, "150,000.00", "150,000.00", 1},
        EditCase{"paste_negative_without_room_refused", MaskKind::Count, 5, Entry::ByTab, {Pasted{"-123456"}}, "5", "5", 1},
        EditCase{"paste_minus_into_negative_keeps_sign", MaskKind::Amount, -5, Entry::ByMouse, {Pasted{"-3"}}, "-5.003", "-5.00", 0},
        EditCase{"paste_drops_decimals_beyond_width", MaskKind::Rate, 0, Entry::ByTab, {Pasted{"3.14159265"}}, "3.141592", "3.1416", 0},
        EditCase{"paste_into_count_whole_number", MaskKind::Count, 360, Entry::ByTab, {Pasted{"1 2 0"}}, "120", "120", 0},
        // "-0.123456" needs nine places in an eight-place display; the 0 goes,
        // never the sign.
        EditCase{"rate_minus_before_six_decimals", MaskKind::Rate, 0, Entry::ByTab, {Typed{"-.123456"}}, "-.123456", "-0.1235", 0},
        EditCase{"rate_minus_after_six_decimals", MaskKind::Rate, 0, Entry::ByTab, {Typed{".123456-"}}, "-.123456", "-0.1235", 0},
        EditCase{"rate_positive_seven_decimals", MaskKind::Rate, 0, Entry::ByTab, {Typed{".1234567"}}, ".1234567", "0.1235", 0},
        EditCase{"rate_minus_five_decimals_keeps_zero", MaskKind::Rate, 0, Entry::ByTab, {Typed{"-.12345"}}, "-0.12345", "-0.1235", 0}),
    testing::ValuesIn(kMarks)),
    [](const auto& info) { return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name; });
// clang-format on

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
