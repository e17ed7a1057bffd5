#include "numfield/model/numericfieldmodel.h"

#include "numfield/model/editingdisplay.h"
#include "numfield/model/entrytyping.h"
#include "numfield/model/invaliddatatype.h"
#include "numfield/model/validationmessage.h"

#include <cmath>

namespace paysmith {

namespace {

using enum EntryCommand;
using enum TEntryFieldOption;

// A numeric field edits at the right end only and lays out its own text, so
// these options never apply to it.
TEntryFieldOptions withoutClearedOptions(TEntryFieldOptions options) {
    for (TEntryFieldOption o : {efoCaretToEnd, efoForceInsert, efoRightAlign, efoRightJustify,
                                efoStripLiterals, efoTrimBlanks})
        options.exclude(o);
    return options;
}

bool selectsAll(EntryCommand command) {
    return command >= ccExtendLeft && command <= ccExtWordRight;
}

// An unset range, low equal to high, stands for the data type's own.
std::pair<TRangeRecord, TRangeRecord> effectiveRange(TNumericDataType type, const TRangeRecord& lo,
                                                     const TRangeRecord& hi) {
    if (lo == hi)
        return {defaultRangeLo(type), defaultRangeHi(type)};
    return {lo, hi};
}

} // namespace

TNumericFieldModel::TNumericFieldModel(const TIntlSupport& intl, FieldRequests& requests)
    : m_intl(intl), m_requests(requests), m_controller(&TEntryController::defaultController()),
      m_rangeLo(defaultRangeLo(TNumericDataType::nftLongInt)),
      m_rangeHi(defaultRangeHi(TNumericDataType::nftLongInt)),
      m_text(intl, TNumericDataType::nftLongInt),
      m_options(withoutClearedOptions({efoCaretToEnd, efoTrimBlanks})) {
    showInitialValue();
}

TNumericFieldModel::~TNumericFieldModel() {
    // The report that would have cleared the mark dies with the field; left
    // set, it would stop every other field of the controller from validating.
    if (m_holdsControllerMark)
        m_controller->clearErrorPending();
}

void TNumericFieldModel::rebuildText(TNumericDataType type, paysmith::PictureMask mask) {
    const auto [lo, hi] = effectiveRange(type, m_rangeLo, m_rangeHi);
    m_text = NumericText(m_intl, type, std::move(mask), lo, hi);
}

void TNumericFieldModel::setDataType(TNumericDataType type) {
    m_rangeLo = defaultRangeLo(type);
    m_rangeHi = defaultRangeHi(type);
    m_text = NumericText(m_intl, type);
    showInitialValue();
}

void TNumericFieldModel::setPictureMask(std::u16string mask) {
    rebuildText(DataType(), paysmith::PictureMask(std::move(mask)));
    showInitialValue();
}

void TNumericFieldModel::setRangeLo(const TRangeRecord& limit) {
    m_rangeLo = limit;
    rebuildText(DataType(), m_text.mask());
}

void TNumericFieldModel::setRangeHi(const TRangeRecord& limit) {
    m_rangeHi = limit;
    rebuildText(DataType(), m_text.mask());
}

void TNumericFieldModel::setOptions(TEntryFieldOptions options) {
    m_options = withoutClearedOptions(options);
}

void TNumericFieldModel::setController(TEntryController* controller) {
    m_controller = controller ? controller : &TEntryController::defaultController();
}

void TNumericFieldModel::showInitialValue() {
    const auto [low, high] = range();
    const long double initial = (low > 0 || high < 0) ? low : 0.0L;
    if (isIntegerType(DataType()))
        showValue(m_text.displayTextOfInteger(static_cast<std::int32_t>(initial)));
    else
        showValue(m_text.displayTextOfFloat(initial));
}

// ---- value interface ----

void TNumericFieldModel::showValue(std::u16string displayText) {
    m_display = std::move(displayText);
    m_modified = false;
    if (!m_hasFocus) {
        m_invalid = false;
        return;
    }
    selectAllText();
    // Reloading keeps the entry in step with the new text, so that a command
    // that drops the selection does not go on from digits no longer shown.
    reloadEntry();
}

void TNumericFieldModel::setFloatValue(double value) {
    if (isIntegerType(DataType()))
        throw EInvalidDataType();
    showValue(m_text.displayTextOfFloat(value));
}

void TNumericFieldModel::setIntegerValue(std::int32_t value) {
    if (!isIntegerType(DataType()))
        throw EInvalidDataType();
    showValue(m_text.displayTextOfInteger(value));
}

long double TNumericFieldModel::readValue() {
    const Conversion c = m_text.valueOf(m_display);
    return userValidated(c.code) == 0 ? c.value : 0.0L;
}

double TNumericFieldModel::FloatValue() {
    return static_cast<double>(readValue());
}

std::int32_t TNumericFieldModel::IntegerValue() {
    if (!isIntegerType(DataType()))
        throw EInvalidDataType();
    return static_cast<std::int32_t>(readValue());
}

int TNumericFieldModel::userValidated(int code) {
    if (OnUserValidation)
        OnUserValidation(*this, code);
    m_lastValidationCode = code;
    return code;
}

double TNumericFieldModel::shownValue() const {
    return static_cast<double>(m_text.valueOf(m_display).value);
}

std::pair<long double, long double> TNumericFieldModel::range() const {
    const auto [lo, hi] = effectiveRange(DataType(), m_rangeLo, m_rangeHi);
    return {rangeRecordValue(DataType(), lo), rangeRecordValue(DataType(), hi)};
}

bool TNumericFieldModel::available() const {
    return m_enablement == Enablement::Enabled && m_visibility == Visibility::Shown;
}

// ---- keys and commands ----

KeyUse TNumericFieldModel::keyPress(KeyStroke stroke, std::u16string_view text) {
    const Translation t = m_controller->EntryCommands.translate(stroke);
    switch (t.kind) {
    case Translated::Command:
        command(t.command);
        return KeyUse::Used;
    case Translated::Pending:
        return KeyUse::Used;
    case Translated::Nothing:
        return KeyUse::NotUsed;
    case Translated::CharacterKey:
        break;
    }
    // Alt with a key is the window's (menu mnemonics); Ctrl with a key types
    // only control characters, which the mask refuses with a beep.
    if (has(stroke.modifiers, Modifiers::Alt) || text.empty())
        return KeyUse::NotUsed;
    for (char16_t c : text) {
        if (has(stroke.modifiers, Modifiers::Ctrl) && c >= u' ')
            return KeyUse::NotUsed;
        character(c);
    }
    return KeyUse::Used;
}

void TNumericFieldModel::command(EntryCommand command) {
    const EntryString before = m_entry;
    const bool readOnly = m_options.contains(efoReadOnly);
    switch (command) {
    case ccBack:
    case ccDel:
        if (readOnly)
            break;
        if (m_allSelected)
            clearEntry();
        else
            m_entry.removeLast();
        break;
    case ccCut:
        copySelection();
        if (m_allSelected && !readOnly)
            clearEntry();
        break;
    case ccCopy:
        copySelection();
        break;
    case ccPaste:
        paste();
        break;
    case ccRestore:
    case ccUndo:
        restore();
        return;
    case ccIns:
        toggleInsertMode();
        break;
    default:
        if (selectsAll(command))
            selectAllText();
        else
            m_allSelected = false;
        break;
    }
    if (m_entry != before)
        entryChanged();
}

void TNumericFieldModel::character(char16_t c) {
    if (m_options.contains(efoReadOnly)) {
        refuse(Refusal::ReadOnly);
        return;
    }
    const EntryString before = m_entry;
    const bool replacesSelection = m_allSelected && c > 31;
    if (replacesSelection)
        clearEntry();
    const EntryString offeredTo = m_entry;
    const char16_t meant = typedAsMeant(c, m_intl, m_text.mask());
    if (typeCharacter(m_entry, meant, m_text.mask(), m_intl.DecimalMark()) == KeyOutcome::Refused) {
        // A refused key changes nothing: the selected value it would have
        // replaced stays, still selected, rather than turning to 0 unseen by
        // anyone who does not look at the field.
        if (replacesSelection) {
            m_entry = before;
            m_allSelected = true;
        }
        // Control characters have no meaning a message could name.
        if (c > 31)
            refuse(refusalOfTyped(meant, offeredTo, m_text.mask(), m_intl.DecimalMark()));
        else
            refuse(std::nullopt);
    }
    if (m_entry != before)
        entryChanged();
}

void TNumericFieldModel::click() {
    if (m_hasFocus)
        m_allSelected = m_options.contains(efoSelectZeroOnClick) && showsZero();
}

bool TNumericFieldModel::showsZero() const {
    const Conversion shown = m_text.valueOf(m_display);
    return shown.code == 0 && shown.value == 0.0L;
}

void TNumericFieldModel::doubleClick() {
    selectAllText();
}

void TNumericFieldModel::clearEntry() {
    m_entry.clear();
    m_allSelected = false;
}

void TNumericFieldModel::entryChanged() {
    m_display = editingDisplayText(m_text.layout(), m_entry);
    m_modified = true;
    raise(OnChange);
}

void TNumericFieldModel::refuse(std::optional<Refusal> reason) {
    if (m_controller->EntryOptions.contains(TBaseEFOption::efoBeepOnError))
        m_requests.beep();
    if (reason)
        m_requests.explainRefusal(*reason);
}

void TNumericFieldModel::copySelection() {
    if (m_allSelected)
        m_requests.setClipboardText(displayString());
}

void TNumericFieldModel::paste() {
    if (m_options.contains(efoReadOnly))
        return;
    EntryString pasted = m_allSelected ? EntryString{} : m_entry;
    if (pasteText(pasted, m_requests.clipboardText(), m_text.mask(), m_intl) == Paste::Refused) {
        refuse(Refusal::PasteNotTaken);
        return;
    }
    m_allSelected = false;
    m_entry = pasted;
}

void TNumericFieldModel::restore() {
    if (m_options.contains(efoReadOnly))
        return;
    m_display = m_saved;
    selectAllText();
    m_modified = false;
    raise(OnChange);
    reloadEntry();
}

void TNumericFieldModel::toggleInsertMode() {
    if (m_options.contains(efoForceOvertype))
        return;
    m_insertMode = m_insertMode == InsertMode::Insert ? InsertMode::Overtype : InsertMode::Insert;
    m_controller->setInsertMode(m_insertMode);
}

InsertMode TNumericFieldModel::insertMode() const {
    return m_options.contains(efoForceOvertype) ? InsertMode::Overtype : m_insertMode;
}

std::vector<MenuEntry> TNumericFieldModel::contextMenu() const {
    return contextMenuEntries({m_modified, m_allSelected, m_options.contains(efoReadOnly),
                               m_requests.clipboardHasText()});
}

void TNumericFieldModel::chooseMenuItem(MenuItem item) {
    switch (item) {
    case MenuItem::Restore:
        command(ccRestore);
        break;
    case MenuItem::Cut:
        command(ccCut);
        break;
    case MenuItem::Copy:
        command(ccCopy);
        break;
    case MenuItem::Paste:
        command(ccPaste);
        break;
    case MenuItem::Delete:
        if (m_allSelected)
            command(ccDel);
        break;
    case MenuItem::SelectAll:
        selectAllText();
        break;
    }
}

// ---- focus ----

void TNumericFieldModel::focusIn(FocusSource source, FocusCause cause) {
    m_controller->EntryCommands.reset();
    m_insertMode = m_controller->insertMode();
    m_enteredDuringOtherError = m_controller->errorPending() && !m_errorPending;
    m_hasFocus = true;
    const bool returning =
        m_errorPending || (source == FocusSource::OtherWindow && m_leftForOtherWindow);
    m_leftForOtherWindow = false;
    if (!returning) {
        m_modified = false;
        m_saved = m_display;
        m_allSelected = cause == FocusCause::Keyboard &&
                        m_controller->EntryOptions.contains(TBaseEFOption::efoAutoSelect);
    }
    reloadEntry();
    m_requests.post(PostedRequest::AfterEnter);
}

void TNumericFieldModel::reloadEntry() {
    if (m_text.layout().isOverflowText(m_display))
        m_entry.clear();
    else
        m_entry.load(m_text.layout().strip(m_display));
}

void TNumericFieldModel::focusOut(FocusTarget target) {
    // Focus going to another window, or moving while a rejected value waits
    // for its report, leaves the text alone: the user is not done with it.
    const bool validated =
        target == FocusTarget::OtherControl && !m_errorPending && !m_enteredDuringOtherError;
    if (validated)
        leave();
    else
        m_hasFocus = false;
    m_leftForOtherWindow = target != FocusTarget::OtherControl;
    m_requests.post(PostedRequest::AfterExit);
    if (target == FocusTarget::OtherControl)
        raise(OnExit);
}

void TNumericFieldModel::commitEntry() {
    focusOut(FocusTarget::OtherControl);
    focusIn(FocusSource::SameWindow, FocusCause::Keyboard);
}

void TNumericFieldModel::leave() {
    // A disabled or hidden field is valid as it stands, and so is a result too
    // wide for the field that the user has not touched: its "#" marks stand
    // for a number the program wrote, not for a typing error.
    const bool judged = available() && !(m_text.layout().isOverflowText(m_display) && !m_modified);
    const Conversion converted = judged ? m_text.valueOf(m_display) : Conversion{};
    const int code = judged ? userValidated(converted.code) : 0;
    if (code == 0) {
        // Laid out anew: rounded to the mask's decimals, grouping restored.
        if (judged && converted.code == 0 && m_hasFocus)
            m_display =
                isIntegerType(DataType())
                    ? m_text.displayTextOfInteger(static_cast<std::int32_t>(converted.value))
                    : m_text.displayTextOfFloat(converted.value);
        m_invalid = false;
    } else if (m_options.contains(efoSoftValidation)) {
        m_invalid = true;
    } else {
        reject(code);
    }
    m_hasFocus = false;
    if (!m_errorPending)
        m_entry.clear();
}

void TNumericFieldModel::reject(int code) {
    m_errorPending = true;
    m_reportedCode = code;
    m_requests.post(PostedRequest::FocusBack);
    if (!m_controller->errorPending()) {
        m_requests.post(PostedRequest::ErrorReport);
        m_holdsControllerMark = true;
    }
    m_controller->markErrorPending();
}

void TNumericFieldModel::deliver(PostedRequest request) {
    switch (request) {
    case PostedRequest::FocusBack:
        // The focus arrives while the error is still pending, so gaining it
        // keeps the caret and selects nothing.
        m_requests.focusField();
        m_errorPending = false;
        m_controller->clearErrorPending();
        m_holdsControllerMark = false;
        break;
    case PostedRequest::ErrorReport:
        reportError();
        break;
    case PostedRequest::AfterEnter:
        raise(AfterEnter);
        break;
    case PostedRequest::AfterExit:
        raise(AfterExit);
        break;
    }
}

void TNumericFieldModel::reportError() {
    std::u16string message(validationMessage(m_reportedCode));
    if (m_reportedCode == ErrRange) {
        // The sentence alone leaves the user guessing at what the field takes.
        const auto [low, high] = range();
        message = rangeMessage(message, low, high, isIntegerType(DataType()) ? 0 : decimalPlaces(),
                               m_intl);
    }
    if (OnError)
        OnError(*this, m_reportedCode, message);
    else if (m_controller->OnError)
        m_controller->OnError(*this, m_reportedCode, message);
    else
        m_requests.showErrorMessage(message);
}

// ---- drawing ----

std::u16string TNumericFieldModel::displayString() const {
    return m_text.layout().displayString(m_display);
}

FieldLook TNumericFieldModel::look() const {
    if (m_enablement == Enablement::Disabled)
        return FieldLook::Disabled;
    return m_invalid ? FieldLook::Error : FieldLook::Normal;
}

void TNumericFieldModel::raise(const std::function<void()>& event) const {
    if (event)
        event();
}

} // namespace paysmith
