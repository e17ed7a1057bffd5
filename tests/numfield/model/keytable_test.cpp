#include "numfield/model/commandprocessor.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace paysmith {
namespace {

using enum EntryCommand;
constexpr Modifiers kNone = Modifiers::None;
constexpr Modifiers kShift = Modifiers::Shift;
constexpr Modifiers kCtrl = Modifiers::Ctrl;
constexpr Modifiers kAlt = Modifiers::Alt;
constexpr Modifiers kCtrlShift = Modifiers::Ctrl | Modifiers::Shift;

struct KeyCase {
    const char* name;
    KeyStroke stroke;
    Translated kind;
    EntryCommand command;
};

class DefaultTranslation : public testing::TestWithParam<KeyCase> {};

TEST_P(DefaultTranslation, GivesTheTablesCommand) {
    const KeyCase& c = GetParam();
    CommandProcessor processor;
    const Translation t = processor.translate(c.stroke);
    EXPECT_EQ(t.kind, c.kind);
    EXPECT_EQ(t.command, c.command);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Keys, DefaultTranslation, testing::Values(
    KeyCase{"ctrl_home_is_first_page", {Key::Home, kCtrl}, Translated::Command, ccFirstPage},
    KeyCase{"backspace", {Key::Backspace, kNone}, Translated::Command, ccBack},
    KeyCase{"shift_backspace_is_back", {Key::Backspace, kShift}, Translated::Command, ccBack},
    KeyCase{"alt_backspace_restores", {Key::Backspace, kAlt}, Translated::Command, ccRestore},
    KeyCase{"ctrl_z_undoes", {Key::Z, kCtrl}, Translated::Command, ccUndo},
    KeyCase{"ctrl_shift_z_redoes", {Key::Z, kCtrlShift}, Translated::Command, ccRedo},
    KeyCase{"ctrl_tab", {Key::Tab, kCtrl}, Translated::Command, ccTab},
    KeyCase{"shift_end_extends", {Key::End, kShift}, Translated::Command, ccExtendEnd},
    KeyCase{"ctrl_shift_left", {Key::Left, kCtrlShift}, Translated::Command, ccExtWordLeft},
    KeyCase{"shift_delete_cuts", {Key::Delete, kShift}, Translated::Command, ccCut},
    KeyCase{"ctrl_x_cuts", {Key::X, kCtrl}, Translated::Command, ccCut},
    KeyCase{"shift_insert_pastes", {Key::Insert, kShift}, Translated::Command, ccPaste},
    KeyCase{"ctrl_v_pastes", {Key::V, kCtrl}, Translated::Command, ccPaste},
    KeyCase{"ctrl_7_goes_to_marker", {Key::Digit7, kCtrl}, Translated::Command, ccGotoMarker7},
    KeyCase{"ctrl_shift_3_sets_marker", {Key::Digit3, kCtrlShift}, Translated::Command, ccSetMarker3},
    KeyCase{"plain_digit_types", {Key::Digit5, kNone}, Translated::CharacterKey, ccNone},
    KeyCase{"shift_letter_types", {Key::Z, kShift}, Translated::CharacterKey, ccNone},
    KeyCase{"ctrl_shift_backspace_has_no_row", {Key::Backspace, kCtrlShift}, Translated::CharacterKey, ccNone},
    KeyCase{"alt_delete_has_no_row", {Key::Delete, kAlt}, Translated::CharacterKey, ccNone},
    KeyCase{"enter_alone_types", {Key::Enter, kNone}, Translated::CharacterKey, ccNone},
    KeyCase{"ctrl_q_is_no_sequence_here", {Key::Q, kCtrl}, Translated::CharacterKey, ccNone},
    KeyCase{"shift_alone", {Key::ShiftKey, kShift}, Translated::Nothing, ccNone},
    KeyCase{"ctrl_alone", {Key::ControlKey, kCtrl}, Translated::Nothing, ccNone},
    KeyCase{"caps_lock", {Key::CapsLock, kNone}, Translated::Nothing, ccNone}),
    [](const testing::TestParamInfo<KeyCase>& info) { return info.param.name; });
// clang-format on

struct TableCase {
    const char* name;
    std::size_t rows;
    TableState state;
};

class KeyTables : public testing::TestWithParam<TableCase> {};

TEST_P(KeyTables, HaveTheirStateAndSize) {
    const TableCase& c = GetParam();
    CommandProcessor processor;
    const KeyTable* table = processor.table(c.name);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->state, c.state);
    EXPECT_EQ(table->rows.size(), c.rows);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tables, KeyTables, testing::Values(
    TableCase{"Default", 64, TableState::Active},
    TableCase{"Classic", 35, TableState::Inactive},
    TableCase{"Grid", 8, TableState::Inactive}),
    [](const testing::TestParamInfo<TableCase>& info) { return info.param.name; });
// clang-format on

TEST(KeyTables, NoRowOfATableHidesAnother) {
    CommandProcessor processor;
    for (const KeyTable& table : processor.tables()) {
        std::set<std::tuple<Key, Modifiers, Key, Modifiers>> seen;
        for (const KeyRow& r : table.rows)
            EXPECT_TRUE(
                seen.emplace(r.first.key, r.first.modifiers, r.second.key, r.second.modifiers)
                    .second)
                << table.name << " repeats a key";
    }
}

TEST(KeyTables, AnUnknownNameFindsNoTable) {
    CommandProcessor processor;
    EXPECT_EQ(processor.table("Grid "), nullptr);
}

// Two-key sequences exist only in the "Classic" table, so these run with it
// switched on in front of "Default".
struct SequenceCase {
    const char* name;
    std::vector<KeyStroke> strokes;
    std::vector<Translated> kinds;
    EntryCommand lastCommand;
};

class ClassicSequences : public testing::TestWithParam<SequenceCase> {};

TEST_P(ClassicSequences, TranslateStrokeByStroke) {
    const SequenceCase& c = GetParam();
    CommandProcessor processor;
    processor.table("Classic")->state = TableState::Active;
    Translation t;
    ASSERT_EQ(c.strokes.size(), c.kinds.size());
    for (std::size_t i = 0; i < c.strokes.size(); ++i) {
        t = processor.translate(c.strokes[i]);
        EXPECT_EQ(t.kind, c.kinds[i]) << "stroke " << i;
    }
    EXPECT_EQ(t.command, c.lastCommand);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Strokes, ClassicSequences, testing::Values(
    SequenceCase{"ctrl_q_s_is_home", {{Key::Q, kCtrl}, {Key::S, kNone}}, {Translated::Pending, Translated::Command}, ccHome},
    SequenceCase{"second_key_with_ctrl_too", {{Key::Q, kCtrl}, {Key::D, kCtrl}}, {Translated::Pending, Translated::Command}, ccEnd},
    SequenceCase{"ctrl_k_digit_sets_marker", {{Key::K, kCtrl}, {Key::Digit4, kNone}}, {Translated::Pending, Translated::Command}, ccSetMarker4},
    SequenceCase{"broken_sequence_types_the_second_key", {{Key::Q, kCtrl}, {Key::Z, kNone}}, {Translated::Pending, Translated::CharacterKey}, ccNone},
    SequenceCase{"broken_sequence_second_key_keeps_its_command", {{Key::Q, kCtrl}, {Key::Left, kNone}}, {Translated::Pending, Translated::Command}, ccLeft},
    SequenceCase{"a_finished_sequence_does_not_linger", {{Key::Q, kCtrl}, {Key::S, kNone}, {Key::S, kNone}}, {Translated::Pending, Translated::Command, Translated::CharacterKey}, ccNone},
    SequenceCase{"default_is_searched_first", {{Key::V, kCtrl}}, {Translated::Command}, ccPaste},
    SequenceCase{"classic_adds_keys_default_lacks", {{Key::S, kCtrl}}, {Translated::Command}, ccLeft}),
    [](const testing::TestParamInfo<SequenceCase>& info) { return info.param.name; });
// clang-format on

TEST(ClassicSequences, ResetForgetsTheFirstKey) {
    CommandProcessor processor;
    processor.table("Classic")->state = TableState::Active;
    EXPECT_EQ(processor.translate({Key::Q, kCtrl}).kind, Translated::Pending);
    processor.reset();
    EXPECT_EQ(processor.translate({Key::S, kNone}).kind, Translated::CharacterKey);
}

} // namespace
} // namespace paysmith
