#pragma once

#include "numfield/model/numericfieldmodel.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace paysmith::testing_support {

class FakeWindow;

// A window system in miniature for field models: one window whose focus moves
// between fields, a queue of posted requests, a clipboard, a beep counter and
// a log of what the user would see, in order.
class FakeField : public FieldRequests {
  public:
    FakeField(FakeWindow& window, std::string name);

    TNumericFieldModel model;
    const std::string name;

    void beep() override;
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

    // A field with the program's settings for one of its three masks.
    FakeField& addAmount(const std::string& name);
    FakeField& addRate(const std::string& name);
    FakeField& addCount(const std::string& name);

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

  private:
    friend class FakeField;
    FakeField& add(const std::string& name, TNumericDataType type, std::u16string mask);

    std::vector<std::unique_ptr<FakeField>> m_fields;
    std::deque<std::pair<FakeField*, PostedRequest>> m_posted;
    FakeField* m_focused = nullptr;
    FakeField* m_lastFocused = nullptr;
};

std::string utf8(std::u16string_view text);

} // namespace paysmith::testing_support
