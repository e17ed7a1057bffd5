#pragma once

#include "numfield/model/numericfieldmodel.h"

#include "../text/conventions.h"

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace paysmith::testing_support {

class FakeWindow;

// A window system in miniature for field models: one window whose focus moves
// between fields, a queue of posted requests, a clipboard, a beep counter and
// a log of what the user and the program would see, in order. Like the
// program's recalculation, every OnExit reads the field's value.
class FakeField : public FieldRequests {
  public:
    FakeField(FakeWindow& window, std::string name);

    TNumericFieldModel model;
    const std::string name;
    std::optional<Refusal> refused; // the last key's or paste's

    void beep() override;
    void explainRefusal(Refusal reason) override { refused = reason; }
    void post(PostedRequest request) override;
    bool clipboardHasText() override;
    std::u16string clipboardText() override;
    void setClipboardText(std::u16string_view text) override;
    void showErrorMessage(std::u16string_view message) override;
    void focusField() override;

  private:
    FakeWindow& m_window;
};

class FakeWindow {
  public:
    explicit FakeWindow(const TIntlSupport& intl);

    const TIntlSupport& intl;
    TEntryController controller;
    std::vector<std::string> log;
    std::u16string clipboard;
    int beeps = 0;

    // A field with the program's settings for an amount, a rate or, for
    // other names, a count, as the name begins.
    FakeField& addNamed(const std::string& name);
    FakeField& field(std::string_view name);

    // Moves the focus the way Tab or a click would: the old field leaves for
    // another control of this window, then the new one gains it.
    void focus(FakeField& field, FocusCause cause);
    void tabInto(FakeField& field) { focus(field, FocusCause::Keyboard); }
    void clickInto(FakeField& field);
    // The window loses the focus to another window and later gets it back.
    void deactivate();
    void reactivate();
    void type(std::u16string_view text);
    void press(Key key, Modifiers modifiers = Modifiers::None);
    // Delivers posted requests, and those they post, in posting order.
    void runPosted();

    FakeField* focused() const { return m_focused; }

    // Text written with "." as decimal mark and "," as group mark, in this
    // window's marks.
    std::u16string withMarks(std::string_view text) const;
    // One step of a scenario, "verb argument": tab, click, type, paste, key
    // (as "Ctrl+Z"), run, away, back, set, read, range, mask, soft, disable,
    // overtype (forced), hooks (logs AfterEnter and AfterExit), pending
    // (another field's report waits).
    // Typed and pasted text goes through withMarks.
    void perform(std::string_view step);
    // Every field as "name=text" as drawn: ">" while it has the focus, "[…]"
    // while the selection shows, then "*" modified, "!" error look, "~"
    // disabled look, "^" focused in overtype mode, "#code" for a
    // LastValidationCode other than 0; then the clipboard unless empty.
    std::string describe() const;
    // The log since the last call joined by "; ", runs of one entry as "x3".
    std::string takeLog();

  private:
    friend class FakeField;
    FakeField& add(const std::string& name, TNumericDataType type, std::u16string mask);

    std::vector<std::unique_ptr<FakeField>> m_fields;
    std::deque<std::pair<FakeField*, PostedRequest>> m_posted;
    FakeField* m_focused = nullptr;
    FakeField* m_lastFocused = nullptr;
};

std::string utf8(std::u16string_view text);

// The mark conventions field tests run under: point and comma decimals, and a
// group mark no mask character takes.
struct Marks {
    const char* name;
    const TIntlSupport* intl;
};

inline const std::vector<Marks> kMarks{{"point", &testing_conventions::kEnglish},
                                       {"comma", &testing_conventions::kGerman},
                                       {"narrow_space", &testing_conventions::kFrench}};

} // namespace paysmith::testing_support
