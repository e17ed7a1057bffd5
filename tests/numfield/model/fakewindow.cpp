#include "fakewindow.h"

#include "base/text/utf8.h"

#include <array>
#include <sstream>
#include <stdexcept>

namespace paysmith::testing_support {

std::string utf8(std::u16string_view text) {
    return utf8FromUtf16(text);
}

namespace {

// "name=value" as the program reads the field, validating it.
std::string reading(FakeField& field) {
    std::ostringstream text;
    text << field.name << '=' << field.model.FloatValue();
    return text.str();
}

} // namespace

FakeField::FakeField(FakeWindow& window, std::string fieldName)
    : model(window.intl, *this), name(std::move(fieldName)), m_window(window) {
    model.setController(&window.controller);
    model.OnChange = [this] { m_window.log.push_back("change " + name); };
    model.OnExit = [this] { m_window.log.push_back("exit " + reading(*this)); };
}

void FakeField::beep() {
    ++m_window.beeps;
    m_window.log.push_back("beep");
}

void FakeField::post(PostedRequest request) {
    m_window.m_posted.emplace_back(this, request);
}

bool FakeField::clipboardHasText() {
    return !m_window.clipboard.empty();
}

std::u16string FakeField::clipboardText() {
    return m_window.clipboard;
}

void FakeField::setClipboardText(std::u16string_view text) {
    m_window.clipboard = text;
}

// A modal box is a window of its own: the field loses the focus to it and
// gets it back when the box closes.
void FakeField::showErrorMessage(std::u16string_view message) {
    // Logged in "." and ",", as the scenarios are written.
    std::u16string plain(message);
    for (char16_t& c : plain)
        c = c == m_window.intl.DecimalMark() ? u'.' : c == m_window.intl.GroupMark() ? u',' : c;
    m_window.log.push_back("message " + utf8(plain));
    m_window.deactivate();
    m_window.reactivate();
}

void FakeField::focusField() {
    m_window.focus(*this, FocusCause::Keyboard);
}

FakeWindow::FakeWindow(const TIntlSupport& intlSupport) : intl(intlSupport) {}

FakeField& FakeWindow::add(const std::string& name, TNumericDataType type, std::u16string mask) {
    m_fields.push_back(std::make_unique<FakeField>(*this, name));
    FakeField& field = *m_fields.back();
    field.model.setDataType(type);
    field.model.setPictureMask(std::move(mask));
    return field;
}

FakeField& FakeWindow::addNamed(const std::string& name) {
    if (name.starts_with("amount"))
        return add(name, TNumericDataType::nftDouble, u"###,###,###.##");
    if (name.starts_with("rate"))
        return add(name, TNumericDataType::nftDouble, u"###.####");
    return add(name, TNumericDataType::nftInteger, u"iiiiii");
}

FakeField& FakeWindow::field(std::string_view name) {
    for (const auto& f : m_fields)
        if (f->name == name)
            return *f;
    throw std::invalid_argument("no field " + std::string(name));
}

std::u16string FakeWindow::withMarks(std::string_view text) const {
    std::u16string marked = utf16FromUtf8(text);
    for (char16_t& c : marked)
        c = c == u'.' ? intl.DecimalMark() : c == u',' ? intl.GroupMark() : c;
    return marked;
}

namespace {

// "Backspace", "Ctrl+Z", "Alt+5", "Ctrl+Other": modifiers, then a key.
KeyStroke keyNamed(std::string_view name) {
    KeyStroke stroke;
    for (const auto& [prefix, modifier] : {std::pair{"Ctrl+", Modifiers::Ctrl},
                                           {"Shift+", Modifiers::Shift},
                                           {"Alt+", Modifiers::Alt}})
        if (name.starts_with(prefix)) {
            stroke.modifiers = stroke.modifiers | modifier;
            name.remove_prefix(std::string_view(prefix).size());
        }
    // clang-format off
    constexpr std::array<std::pair<std::string_view, Key>, 10> kNamed{{
        {"Backspace", Key::Backspace}, {"Delete", Key::Delete}, {"Insert", Key::Insert}, {"Left", Key::Left}, {"Right", Key::Right},
        {"Up", Key::Up}, {"Down", Key::Down}, {"Home", Key::Home}, {"End", Key::End}, {"Other", Key::Other}}};
    // clang-format on
    for (const auto& [keyName, key] : kNamed)
        if (keyName == name)
            stroke.key = key;
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z')
        stroke.key = static_cast<Key>(static_cast<int>(Key::A) + name[0] - 'A');
    if (name.size() == 1 && name[0] >= '0' && name[0] <= '9')
        stroke.key = static_cast<Key>(static_cast<int>(Key::Digit0) + name[0] - '0');
    if (stroke.key == Key::None)
        throw std::invalid_argument("no key " + std::string(name));
    return stroke;
}

} // namespace

void FakeWindow::perform(std::string_view step) {
    const std::size_t blank = step.find(' ');
    const std::string_view verb = step.substr(0, blank);
    const std::string_view argument = blank == std::string_view::npos ? "" : step.substr(blank + 1);
    std::istringstream words{std::string(argument)};
    std::string name;
    words >> name;
    if (verb == "tab")
        tabInto(field(name));
    else if (verb == "click")
        clickInto(field(name));
    else if (verb == "type")
        type(withMarks(argument));
    else if (verb == "paste") {
        clipboard = withMarks(argument);
        press(Key::V, Modifiers::Ctrl);
    } else if (verb == "key") {
        // The key, then the text it types if any.
        const std::size_t textAt = argument.find(' ');
        const KeyStroke stroke = keyNamed(argument.substr(0, textAt));
        const std::u16string text =
            textAt == std::string_view::npos ? u"" : withMarks(argument.substr(textAt + 1));
        m_focused->model.keyPress(stroke, text);
    } else if (verb == "enter")
        m_focused->model.commitEntry();
    else if (verb == "run")
        runPosted();
    else if (verb == "away")
        deactivate();
    else if (verb == "back") {
        // The window may come back with the focus in another field.
        if (!name.empty())
            m_lastFocused = &field(name);
        reactivate();
    } else if (verb == "pending")
        controller.markErrorPending();
    else {
        TNumericFieldModel& model = field(name).model;
        if (verb == "set") {
            double value = 0;
            words >> value;
            if (isIntegerType(model.DataType()))
                model.setIntegerValue(static_cast<std::int32_t>(value));
            else
                model.setFloatValue(value);
        } else if (verb == "read")
            log.push_back("read " + reading(field(name)));
        else if (verb == "range") {
            long double low = 0;
            long double high = 0;
            words >> low >> high;
            model.setRangeLo(rangeRecordOf(model.DataType(), low));
            model.setRangeHi(rangeRecordOf(model.DataType(), high));
        } else if (verb == "mask") {
            std::string mask;
            words >> mask;
            model.setPictureMask(utf16FromUtf8(mask));
        } else if (verb == "soft")
            model.setOptions({TEntryFieldOption::efoSoftValidation});
        else if (verb == "overtype")
            model.setOptions({TEntryFieldOption::efoForceOvertype});
        else if (verb == "disable")
            model.setEnablement(Enablement::Disabled);
        else if (verb == "hooks") {
            model.AfterEnter = [this, name] { log.push_back("after-enter " + name); };
            model.AfterExit = [this, name] { log.push_back("after-exit " + name); };
        } else
            throw std::invalid_argument("no step " + std::string(step));
    }
}

std::string FakeWindow::describe() const {
    std::string shown;
    for (const auto& f : m_fields) {
        const TNumericFieldModel& m = f->model;
        const std::string text = utf8(m.displayString());
        shown += (shown.empty() ? "" : " ") + std::string(m.hasFocus() ? ">" : "") + f->name + "=" +
                 (m.showsSelection() ? "[" + text + "]" : text) + (m.modified() ? "*" : "") +
                 (m.look() == FieldLook::Error ? "!" : "") +
                 (m.look() == FieldLook::Disabled ? "~" : "") +
                 (m.hasFocus() && m.insertMode() == InsertMode::Overtype ? "^" : "");
        if (m.LastValidationCode() != 0)
            shown += "#" + std::to_string(m.LastValidationCode());
    }
    return clipboard.empty() ? shown : shown + " clipboard=" + utf8(clipboard);
}

std::string FakeWindow::takeLog() {
    std::string joined;
    for (std::size_t i = 0; i < log.size();) {
        std::size_t run = 1;
        while (i + run < log.size() && log[i + run] == log[i])
            ++run;
        joined +=
            (joined.empty() ? "" : "; ") + log[i] + (run > 1 ? " x" + std::to_string(run) : "");
        i += run;
    }
    log.clear();
    return joined;
}

void FakeWindow::focus(FakeField& field, FocusCause cause) {
    if (m_focused == &field)
        return;
    if (m_focused)
        m_focused->model.focusOut(FocusTarget::OtherControl);
    m_focused = &field;
    log.push_back("focus " + field.name);
    field.model.focusIn(FocusSource::SameWindow, cause);
}

void FakeWindow::clickInto(FakeField& field) {
    focus(field, FocusCause::Mouse);
    field.model.click();
}

void FakeWindow::deactivate() {
    m_lastFocused = m_focused;
    if (m_focused)
        m_focused->model.focusOut(FocusTarget::OtherWindow);
    m_focused = nullptr;
}

void FakeWindow::reactivate() {
    m_focused = m_lastFocused;
    if (m_focused)
        m_focused->model.focusIn(FocusSource::OtherWindow, FocusCause::Keyboard);
}

void FakeWindow::type(std::u16string_view text) {
    for (char16_t c : text)
        m_focused->model.keyPress({Key::Other, Modifiers::None}, std::u16string_view(&c, 1));
}

void FakeWindow::press(Key key, Modifiers modifiers) {
    m_focused->model.keyPress({key, modifiers}, u"");
}

void FakeWindow::runPosted() {
    while (!m_posted.empty()) {
        const auto [field, request] = m_posted.front();
        m_posted.pop_front();
        field->model.deliver(request);
    }
}

} // namespace paysmith::testing_support
