#pragma once

#include "numfield/model/entrycontroller.h"
#include "numfield/model/entrystring.h"
#include "numfield/model/fieldmenu.h"
#include "numfield/model/fieldrequests.h"
#include "numfield/model/keystroke.h"
#include "numfield/text/numerictext.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace paysmith {

enum class TEntryFieldOption : std::uint8_t {
    efoArrowIncDec,
    efoCaretToEnd,
    efoForceInsert,
    efoForceOvertype,
    efoInputRequired,
    efoPasswordMode,
    efoReadOnly,
    efoRightAlign,
    efoRightJustify,
    // A left click into the field while it shows 0 selects it, as Tab does,
    // so that the first digit replaces the 0 rather than follow its decimals.
    efoSelectZeroOnClick,
    efoSoftValidation,
    efoStripLiterals,
    efoTrimBlanks,
};
using TEntryFieldOptions = OptionSet<TEntryFieldOption>;

// Where the focus goes when the field loses it.
enum class FocusTarget { Self, OtherControl, OtherWindow };
// Where it came from when the field gains it.
enum class FocusSource { SameWindow, OtherWindow };
enum class FocusCause { Keyboard, Mouse };

enum class Enablement { Enabled, Disabled };
enum class Visibility { Shown, Hidden };
// The colour set the field is drawn in.
enum class FieldLook { Normal, Disabled, Error };
enum class KeyUse { Used, NotUsed };

// A numeric entry field without a window: its display text (the only place
// its value lives), the entry string while it has the focus, the selection
// (all or nothing: the caret always stands at the right end), flags and
// validation. Keys arrive as strokes, focus with the kind of control that
// takes or gives it; what the window system must do goes out through
// FieldRequests.
class TNumericFieldModel {
  public:
    // Both must outlive the model.
    TNumericFieldModel(const TIntlSupport& intl, FieldRequests& requests);
    ~TNumericFieldModel();
    TNumericFieldModel(const TNumericFieldModel&) = delete;
    TNumericFieldModel& operator=(const TNumericFieldModel&) = delete;

    const TIntlSupport& intl() const { return m_intl; }
    TNumericDataType DataType() const { return m_text.dataType(); }
    // Resets the mask and range to the type's defaults and the value to 0.
    void setDataType(TNumericDataType type);
    const std::u16string& maskText() const { return m_text.mask().text(); }
    void setPictureMask(std::u16string mask);
    const TRangeRecord& RangeLo() const { return m_rangeLo; }
    const TRangeRecord& RangeHi() const { return m_rangeHi; }
    void setRangeLo(const TRangeRecord& limit);
    void setRangeHi(const TRangeRecord& limit);
    int decimalPlaces() const { return m_text.mask().decimalPlaces(); }
    TEntryFieldOptions Options() const { return m_options; }
    void setOptions(TEntryFieldOptions options);
    TEntryController& Controller() const { return *m_controller; }
    // nullptr gives the field back to the shared default controller.
    void setController(TEntryController* controller);

    void setEnablement(Enablement enablement) { m_enablement = enablement; }
    void setVisibility(Visibility visibility) { m_visibility = visibility; }

    // The value interface. Reads validate the display text and give 0 for a
    // rejected one; writes lay the value into the mask and raise no OnChange.
    // EInvalidDataType for a type the field does not hold.
    double FloatValue();
    void setFloatValue(double value);
    std::int32_t IntegerValue();
    void setIntegerValue(std::int32_t value);
    int LastValidationCode() const { return m_lastValidationCode; }
    // The value of the display text for onlookers such as screen readers: no
    // validation hook runs and LastValidationCode stays; 0 when rejected.
    double shownValue() const;
    // The limits in force, the data type's own while none are set.
    std::pair<long double, long double> range() const;

    KeyUse keyPress(KeyStroke stroke, std::u16string_view text);
    void command(EntryCommand command);
    void character(char16_t c);
    void click();
    void doubleClick();
    void focusIn(FocusSource source, FocusCause cause);
    void focusOut(FocusTarget target);
    // Enter: the entry is validated and stored, and OnExit raised, as if the
    // field were left; the field keeps the focus with its whole text selected.
    // A rejected entry is reported as on leaving.
    void commitEntry();
    void deliver(PostedRequest request);
    std::vector<MenuEntry> contextMenu() const;
    void chooseMenuItem(MenuItem item);

    const std::u16string& displayText() const { return m_display; }
    // The display text as drawn, right-aligned, without its outer blanks.
    std::u16string displayString() const;
    const EntryString& entry() const { return m_entry; }
    bool hasFocus() const { return m_hasFocus; }
    bool modified() const { return m_modified; }
    bool invalid() const { return m_invalid; }
    bool errorPending() const { return m_errorPending; }
    bool allSelected() const { return m_allSelected; }
    InsertMode insertMode() const;
    FieldLook look() const;
    // Selected characters are drawn in the highlight colours only while the
    // field has the focus.
    bool showsSelection() const { return m_hasFocus && m_allSelected; }

    std::function<void()> OnChange;
    std::function<void()> OnExit;
    std::function<void()> AfterEnter;
    std::function<void()> AfterExit;
    TValidationErrorEvent OnError;
    std::function<void(TNumericFieldModel& sender, int& errorCode)> OnUserValidation;

  private:
    void rebuildText(TNumericDataType type, paysmith::PictureMask mask);
    void showInitialValue();
    void showValue(std::u16string displayText);
    long double readValue();
    // Hands the code to OnUserValidation and keeps what comes back.
    int userValidated(int code);
    bool available() const;
    bool showsZero() const;
    void leave();
    void reject(int code);
    void reportError();
    void reloadEntry();
    void clearEntry();
    void entryChanged();
    void refuse(std::optional<Refusal> reason);
    void copySelection();
    void paste();
    void restore();
    void toggleInsertMode();
    void selectAllText() { m_allSelected = true; }
    void raise(const std::function<void()>& event) const;

    const TIntlSupport& m_intl;
    FieldRequests& m_requests;
    TEntryController* m_controller;
    TRangeRecord m_rangeLo;
    TRangeRecord m_rangeHi;
    NumericText m_text;
    TEntryFieldOptions m_options;
    Enablement m_enablement = Enablement::Enabled;
    Visibility m_visibility = Visibility::Shown;

    std::u16string m_display;
    std::u16string m_saved;
    EntryString m_entry;
    InsertMode m_insertMode = InsertMode::Insert;
    int m_lastValidationCode = 0;
    int m_reportedCode = 0;
    bool m_hasFocus = false;
    bool m_modified = false;
    bool m_invalid = false;
    bool m_errorPending = false;
    bool m_allSelected = false;
    // Set while this field's rejected value holds the controller's mark.
    bool m_holdsControllerMark = false;
    // The focus arrived while another field's error was waiting for its report.
    bool m_enteredDuringOtherError = false;
    // The focus last went to another window (or a popup), so it may come back.
    bool m_leftForOtherWindow = false;
};

} // namespace paysmith
