#include "fakewindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace paysmith {
namespace {

using namespace testing_support;

// A field of the kind its name begins with, holding `value`, entered by Tab
// or a click, then the scenario steps of FakeWindow::perform; its text is
// checked while it has the focus and once Tab has taken the focus on.
struct EditCase {
    const char* name;
    const char* field;
    const char* value;
    const char* entry;
    std::vector<const char*> steps;
    const char* shown;
    const char* afterLeave;
    int beeps;
};

class Editing : public testing::TestWithParam<std::tuple<EditCase, Marks>> {};

TEST_P(Editing, ShowsWhatWasTypedAndLaysItOutOnLeaving) {
    const auto& [c, marks] = GetParam();
    FakeWindow window(*marks.intl);
    FakeField& field = window.addNamed(c.field);
    FakeField& next = window.addNamed("amount_next");
    window.perform(std::string("set ") + c.field + " " + c.value);
    window.perform(std::string(c.entry) + " " + c.field);
    for (const char* step : c.steps)
        window.perform(step);
    const std::size_t length = field.model.displayText().size();
    EXPECT_EQ(utf8(field.model.displayString()), utf8(window.withMarks(c.shown)));
    EXPECT_EQ(window.beeps, c.beeps);
    window.tabInto(next);
    EXPECT_EQ(utf8(field.model.displayString()), utf8(window.withMarks(c.afterLeave)));
    EXPECT_EQ(field.model.displayText().size(), length);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Keystrokes, Editing,
    testing::Combine(testing::Values(
        EditCase{"tab_in_and_type_replaces", "amount", "150000", "tab", {"type 25"}, "25", "25.00", 0},
        // Decimals the mask has no room for would be rounded away unseen.
        EditCase{"mouse_in_refuses_digits_beyond_decimals", "amount", "0", "click", {"type 1800"}, "0.00", "0.00", 4},
        EditCase{"mouse_in_appends_after_backspace", "amount", "0", "click", {"key Backspace", "type 5"}, "0.05", "0.05", 0},
        EditCase{"typing_shows_point_then_decimals", "amount", "0", "tab", {"type 1234.5"}, "1,234.5", "1,234.50", 0},
        EditCase{"backspace_once", "amount", "1234.56", "click", {"key Backspace"}, "1,234.5", "1,234.50", 0},
        EditCase{"backspace_twice", "amount", "1234.56", "click", {"key Backspace", "key Backspace"}, "1,234.", "1,234.00", 0},
        EditCase{"delete_three_times", "amount", "1234.56", "click", {"key Delete", "key Delete", "key Delete"}, "1,234", "1,234.00", 0},
        EditCase{"backspace_on_selection_clears", "amount", "1234.56", "tab", {"key Backspace"}, "0", "0.00", 0},
        EditCase{"delete_everything_rate", "rate", "5", "click", {"key Backspace", "key Backspace", "key Backspace", "key Backspace", "key Backspace", "key Backspace", "key Backspace"}, "0", "0.0000", 0},
        EditCase{"delete_everything_count", "count", "7", "click", {"key Backspace", "key Backspace"}, "0", "0", 0},
        EditCase{"count_minus_on_zero", "count", "0", "tab", {"type -"}, "-0", "0", 0},
        EditCase{"count_minus_twice", "count", "0", "tab", {"type --"}, "0", "0", 0},
        EditCase{"refused_letter_keeps_selected_value", "amount", "150000", "tab", {"type a"}, "150,000.00", "150,000.00", 1},
        EditCase{"refused_point_keeps_selected_count", "count", "360", "tab", {"type ."}, "360", "360", 1},
        EditCase{"digit_after_refused_key_replaces_selection", "amount", "150000", "tab", {"type a2"}, "2", "2.00", 1},
        EditCase{"group_mark_refused", "amount", "0", "tab", {"type 1,2"}, "12", "12.00", 1},
        EditCase{"count_refuses_point", "count", "12", "click", {"type ."}, "12", "12", 1},
        EditCase{"second_point_beeps", "amount", "0", "tab", {"type 1.2.3"}, "1.23", "1.23", 1},
        EditCase{"tenth_integer_digit_beeps", "amount", "0", "tab", {"type 1234567890"}, "123,456,789", "123,456,789.00", 1},
        EditCase{"ninth_digit_after_minus_beeps", "amount", "0", "tab", {"type -123456789"}, "-12,345,678", "-12,345,678.00", 1},
        EditCase{"rate_refuses_a_fifth_typed_decimal", "rate", "6.75", "tab", {"type 6.12345"}, "6.1234", "6.1234", 1},
        EditCase{"arrows_and_home_end_move_nothing", "amount", "12.5", "click", {"key Backspace", "key Left", "key Right", "key Home", "key End", "key Up", "key Down", "type 3"}, "12.53", "12.53", 0},
        EditCase{"arrow_drops_the_selection", "amount", "12.5", "tab", {"key Left", "type 3"}, "12.50", "12.50", 1},
        EditCase{"shift_arrow_selects_all", "amount", "12.5", "click", {"key Shift+Left", "type 7"}, "7", "7.00", 0},
        EditCase{"ctrl_shift_arrow_selects_all", "amount", "12.5", "click", {"key Ctrl+Shift+Right", "type 7"}, "7", "7.00", 0},
        EditCase{"shift_up_drops_the_selection", "amount", "12", "tab", {"key Shift+Up", "type 3"}, "12.00", "12.00", 1},
        EditCase{"alt_with_a_character_is_the_windows", "amount", "12", "click", {"key Alt+5 5"}, "12.00", "12.00", 0},
        EditCase{"ctrl_with_a_printable_types_nothing", "amount", "12", "click", {"key Ctrl+Other -"}, "12.00", "12.00", 0},
        EditCase{"ctrl_letter_control_code_beeps_keeps_selection", "amount", "12", "tab", {"key Ctrl+A \x01"}, "12.00", "12.00", 1},
        EditCase{"ctrl_digit_is_a_marker_and_drops_selection", "amount", "12", "tab", {"key Ctrl+1 1", "type 4"}, "12.00", "12.00", 1},
        EditCase{"paste_parentheses_without_p_in_the_mask", "amount", "0", "tab", {"paste (12)"}, "12", "12.00", 0},
        EditCase{"paste_appends_without_selection", "amount", "12", "click", {"key Backspace", "key Backspace", "paste 34"}, "12.34", "12.34", 0},
        EditCase{"paste_after_full_decimals_refused", "amount", "12", "click", {"paste 34"}, "12.00", "12.00", 1},
        // A point the field cannot take would splice the digits around it.
        EditCase{"paste_with_point_into_count_refused", "count", "360", "tab", {"paste 12.5"}, "360", "360", 1},
        EditCase{"paste_with_second_point_refused", "amount", "3.4", "click", {"paste 12.5"}, "3.40", "3.40", 1},
        EditCase{"paste_with_too_many_digits_refused", "amount", "150000", "tab", {"paste 1234567890"}, "150,000.00", "150,000.00", 1},
        EditCase{"paste_negative_without_room_refused", "count", "5", "tab", {"paste -123456"}, "5", "5", 1},
        EditCase{"paste_minus_into_negative_keeps_sign", "amount", "-5", "click", {"key Backspace", "key Backspace", "key Backspace", "paste -3"}, "-53", "-53.00", 0},
        EditCase{"paste_drops_decimals_beyond_width", "rate", "0", "tab", {"paste 3.14159265"}, "3.141592", "3.1416", 0},
        EditCase{"paste_into_count_whole_number", "count", "360", "tab", {"paste 1 2 0"}, "120", "120", 0},
        // "-0.123456" needs nine places in an eight-place display; the 0 goes,
        // never the sign.
        EditCase{"rate_minus_before_six_decimals", "rate", "0", "tab", {"paste -.123456"}, "-.123456", "-0.1235", 0},
        EditCase{"rate_minus_after_six_decimals", "rate", "0", "tab", {"paste .123456-"}, "-.123456", "-0.1235", 0},
        EditCase{"rate_positive_seven_decimals", "rate", "0", "tab", {"paste .1234567"}, ".1234567", "0.1235", 0},
        EditCase{"rate_minus_five_decimals_keeps_zero", "rate", "0", "tab", {"paste -.12345"}, "-0.12345", "-0.1235", 0}),
    testing::ValuesIn(kMarks)),
    [](const auto& info) { return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name; });
// clang-format on

// A "." or "," typed after a digit, then a 6: the decimal mark where the
// field cannot group with it, refused where it can or where the field takes
// no decimals or has its mark already.
struct OtherMarkCase {
    const char* name;
    const TIntlSupport* intl;
    const char* field;
    const char* entry; // "." and "," as the locale's marks
    char16_t key;
    const char* shown;
    std::optional<Refusal> refused = std::nullopt;
};

class OtherMark : public testing::TestWithParam<OtherMarkCase> {};

TEST_P(OtherMark, IsTheDecimalMarkUnlessItGroups) {
    const OtherMarkCase& c = GetParam();
    FakeWindow window(*c.intl);
    FakeField& field = window.addNamed(c.field);
    window.tabInto(field);
    window.type(window.withMarks(c.entry) + c.key + u"6");
    EXPECT_EQ(utf8(field.model.displayString()), utf8(window.withMarks(c.shown)));
    EXPECT_EQ(field.refused, c.refused);
}

using namespace testing_conventions;
const TIntlSupport kApostrophe{IntlSettings{u".", u"'", u"$", 2, 0}};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, OtherMark, testing::Values(
    OtherMarkCase{"en_US_comma_in_a_rate", &kEnglish, "rate", "4", u',', "4.6"},
    OtherMarkCase{"en_US_comma_groups_an_amount", &kEnglish, "amount", "4", u',', "46", Refusal::UseDecimalMark},
    OtherMarkCase{"fr_FR_point", &kFrench, "rate", "4", u'.', "4.6"},
    OtherMarkCase{"fr_FR_point_after_a_mark", &kFrench, "rate", "4.5", u'.', "4.56", Refusal::PointAlreadyTyped},
    OtherMarkCase{"fr_FR_point_in_a_count", &kFrench, "count", "4", u'.', "46", Refusal::WholeNumbersOnly},
    OtherMarkCase{"de_DE_point_in_a_rate", &kGerman, "rate", "4", u'.', "4.6"},
    OtherMarkCase{"de_DE_point_groups_an_amount", &kGerman, "amount", "4", u'.', "46", Refusal::UseDecimalMark},
    OtherMarkCase{"de_CH_comma", &kSwiss, "rate", "4", u',', "4.6"},
    OtherMarkCase{"de_CH_comma_in_a_count", &kSwiss, "count", "4", u',', "46", Refusal::WholeNumbersOnly},
    OtherMarkCase{"apostrophe_comma_after_a_mark", &kApostrophe, "rate", "4.5", u',', "4.56", Refusal::PointAlreadyTyped}),
    [](const auto& info) { return std::string(info.param.name); });

// Clipboard text as another program wrote it, pasted over a tabbed-into field:
// its own marks say which is its decimal point.
struct PastedPointCase {
    const char* name;
    const TIntlSupport* intl;
    const char* field;
    const char16_t* clipboard;
    const char* shown; // "." and "," as the locale's marks
};

class PastedPoint : public testing::TestWithParam<PastedPointCase> {};

TEST_P(PastedPoint, IsToldFromTheTextsOwnMarks) {
    const PastedPointCase& c = GetParam();
    FakeWindow window(*c.intl);
    FakeField& field = window.addNamed(c.field);
    window.tabInto(field);
    window.clipboard = c.clipboard;
    window.press(Key::V, Modifiers::Ctrl);
    EXPECT_EQ(utf8(field.model.displayString()), utf8(window.withMarks(c.shown)));
}

INSTANTIATE_TEST_SUITE_P(Table, PastedPoint, testing::Values(
    PastedPointCase{"fr_FR_point", &kFrench, "rate", u"4.5", "4.5"},
    PastedPointCase{"fr_FR_english_grouping", &kFrench, "amount", u"1,234.56", "1,234.56"},
    PastedPointCase{"fr_FR_repeated_point_groups", &kFrench, "amount", u"12.345.678", "12,345,678"},
    PastedPointCase{"de_DE_own_marks", &kGerman, "amount", u"1.234,56", "1,234.56"},
    PastedPointCase{"de_DE_lone_point_groups_an_amount", &kGerman, "amount", u"12.345", "12,345"},
    // A rate cannot group, so its lone group mark is the point, as typed.
    PastedPointCase{"de_DE_lone_point_in_a_rate", &kGerman, "rate", u"4.5", "4.5"},
    PastedPointCase{"en_US_german_grouping", &kEnglish, "amount", u"1.234,56", "1,234.56"},
    PastedPointCase{"en_US_lone_comma_groups", &kEnglish, "amount", u"1,234", "1,234"},
    PastedPointCase{"de_CH_comma", &kSwiss, "rate", u"4,5", "4.5"},
    // A mark no digit follows ends a sentence or a list item; it is no point.
    PastedPointCase{"en_US_trailing_comma", &kEnglish, "rate", u"1.5,", "1.5"},
    PastedPointCase{"en_US_trailing_comma_in_an_amount", &kEnglish, "amount", u"0.5,", "0.5"},
    PastedPointCase{"en_US_grouped_then_trailing_comma", &kEnglish, "amount", u"1,234.56,", "1,234.56"},
    PastedPointCase{"de_DE_trailing_point", &kGerman, "rate", u"1,5.", "1.5"},
    PastedPointCase{"fr_FR_trailing_point", &kFrench, "rate", u"4,5.", "4.5"},
    PastedPointCase{"fr_FR_point_then_trailing_point", &kFrench, "rate", u"4.5.", "4.5"},
    PastedPointCase{"de_CH_trailing_comma", &kSwiss, "rate", u"1.5,", "1.5"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// The marks of each locale and the shape of each field, written out here
// rather than read from the code they check.
struct Convention {
    const char* name;
    const TIntlSupport* intl;
    char16_t decimal;
    char16_t group;
};
const Convention kConventions[]{{"en_US", &kEnglish, u'.', u','},
                                {"de_DE", &kGerman, u',', u'.'},
                                {"fr_FR", &kFrench, u',', u'\u202F'},
                                {"de_CH", &kSwiss, u'.', u'\u2019'}};
struct Shape {
    const char* field;
    bool groups;
    std::size_t wholeDigits;
    std::size_t decimals;
};
const Shape kShapes[]{{"amount", true, 9, 2}, {"rate", false, 3, 4}};

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// A text typed key by key: which keys the field takes, and the number they
// make as "whole.decimals". "." or "," is the decimal mark unless it is the
// group mark of a field that groups; any other mark is refused.
std::pair<std::vector<bool>, std::string> typedReading(std::u16string_view text,
                                                       const Convention& c, const Shape& f) {
    std::vector<bool> taken;
    std::string number;
    std::size_t whole = 0;
    std::optional<std::size_t> decimals;
    for (char16_t key : text) {
        const bool point = (key == u'.' || key == u',') && !(key == c.group && f.groups);
        const bool digit =
            isDigit(key) && (decimals ? *decimals < f.decimals : whole < f.wholeDigits);
        taken.push_back(digit || (point && !decimals));
        if (digit)
            ++(decimals ? *decimals : whole);
        else if (taken.back())
            decimals = 0;
        if (taken.back())
            number += digit ? static_cast<char>(key) : '.';
    }
    return {taken, number};
}

// A pasted text's number as "whole.decimals", or nothing where the field
// refuses it. Marks after the last digit have no say; with both "." and ","
// the last is the point; with one kind, the decimal mark is the point, the
// group mark of a field that groups is not, and any other is unless it
// repeats. Other marks are skipped; a second point or more whole digits than
// the field has refuse the paste, and decimals beyond its width are dropped.
std::optional<std::string> pastedReading(std::u16string_view text, const Convention& c,
                                         const Shape& f) {
    const std::size_t end = text.find_last_of(u"0123456789");
    const std::u16string_view number = text.substr(0, end);
    const auto dots = std::ranges::count(number, u'.');
    const auto commas = std::ranges::count(number, u',');
    std::optional<char16_t> point;
    if (dots > 0 && commas > 0)
        point = number[number.find_last_of(u".,")];
    else if (const char16_t mark = dots > 0 ? u'.' : u','; dots + commas > 0)
        if (mark == c.decimal || (dots + commas == 1 && !(mark == c.group && f.groups)))
            point = mark;
    std::string whole;
    std::optional<std::string> decimals;
    for (char16_t ch : text.substr(0, end + 1)) {
        if (isDigit(ch))
            (decimals ? *decimals : whole) += static_cast<char>(ch);
        else if (ch == point && decimals)
            return std::nullopt;
        else if (ch == point)
            decimals.emplace();
    }
    if (whole.size() > f.wholeDigits)
        return std::nullopt;
    const std::size_t room = f.wholeDigits + f.decimals - whole.size();
    return decimals ? whole + "." + decimals->substr(0, room) : whole;
}

std::u16string grouped(std::u16string_view digits, char16_t mark) {
    std::u16string text;
    for (std::size_t i = 0; i < digits.size(); ++i)
        text += (i > 0 && (digits.size() - i) % 3 == 0 ? std::u16string{mark} : u"") + digits[i];
    return text;
}

// A number written with every mix of the marks: none, one as the point,
// grouped thousands, a trailing mark, and two marks, the same one repeated or
// both kinds in either order, grouping then pointing or pointing then trailing.
std::vector<std::u16string> writings(const std::u16string& whole, const std::u16string& decimals,
                                     const std::u16string& marks) {
    std::vector<std::u16string> texts{whole};
    for (char16_t a : marks) {
        for (const std::u16string& text : {whole + a + decimals, grouped(whole, a), whole + a})
            texts.push_back(text);
        for (char16_t b : marks)
            for (const std::u16string& text :
                 {grouped(whole, a) + b + decimals, whole + a + decimals + b})
                texts.push_back(text);
    }
    return texts;
}

// The field's value once left, within its rounding of the expected number.
void expectLeftWith(FakeWindow& window, FakeField& field, const std::string& number,
                    const Shape& f) {
    window.tabInto(window.field("amount_next"));
    EXPECT_NEAR(field.model.FloatValue(), std::stold(number),
                0.5 * std::pow(10.0, -double(f.decimals)))
        << number;
}

TEST(EveryMixOfMarks, MeansTheSamePastedOrTypedAsItsRulesSay) {
    const std::pair<std::u16string, std::u16string> values[]{
        {u"4", u"5"}, {u"12", u"75"}, {u"1234", u"56"}, {u"250000", u"8"}, {u"1234567", u"89"}};
    for (const Convention& c : kConventions)
        for (const Shape& f : kShapes)
            for (const auto& [whole, decimals] : values) {
                const std::u16string marks =
                    c.group == u'.' || c.group == u',' ? u".," : std::u16string(u".,") + c.group;
                for (const std::u16string& text : writings(whole, decimals, marks)) {
                    SCOPED_TRACE(std::string(c.name) + " " + f.field + " \"" + utf8(text) + "\"");
                    FakeWindow window(*c.intl);
                    FakeField& field = window.addNamed(f.field);
                    window.addNamed("amount_next");
                    window.perform(std::string("set ") + f.field + " 7");
                    window.tabInto(field);
                    const std::u16string shown = field.model.displayString();
                    window.clipboard = text;
                    window.press(Key::V, Modifiers::Ctrl);
                    const std::optional<std::string> pasted = pastedReading(text, c, f);
                    EXPECT_EQ(field.refused.has_value(), !pasted);
                    if (pasted) {
                        expectLeftWith(window, field, *pasted, f);
                    } else {
                        EXPECT_EQ(field.refused, Refusal::PasteNotTaken);
                        EXPECT_EQ(utf8(field.model.displayString()), utf8(shown));
                        EXPECT_EQ(window.beeps, 1);
                    }

                    window.tabInto(field);
                    const auto [taken, typed] = typedReading(text, c, f);
                    for (std::size_t i = 0; i < text.size(); ++i) {
                        const std::u16string before = field.model.displayString();
                        const int beeps = window.beeps;
                        field.refused.reset();
                        window.type(text.substr(i, 1));
                        EXPECT_EQ(!field.refused, taken[i]) << "key " << i;
                        if (!taken[i]) {
                            EXPECT_EQ(utf8(field.model.displayString()), utf8(before))
                                << "key " << i;
                            EXPECT_EQ(window.beeps, beeps + 1) << "key " << i;
                        }
                    }
                    expectLeftWith(window, field, typed, f);
                }
            }
}

} // namespace
} // namespace paysmith
