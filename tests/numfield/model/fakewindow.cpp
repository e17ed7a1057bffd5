#include "fakewindow.h"

#include "base/text/utf8.h"

namespace paysmith::testing_support {

std::string utf8(std::u16string_view text) {
    return utf8FromUtf16(text);
}

FakeField::FakeField(FakeWindow& window, std::string fieldName)
    : model(window.intl, *this), name(std::move(fieldName)), m_window(window) {
    model.setController(&window.controller);
    model.OnExit = [this] { m_window.log.push_back("exit " + name); };
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
    m_window.log.push_back("message " + utf8(message));
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

FakeField& FakeWindow::addAmount(const std::string& name) {
    return add(name, TNumericDataType::nftDouble, u"###,###,###.##");
}

FakeField& FakeWindow::addRate(const std::string& name) {
    return add(name, TNumericDataType::nftDouble, u"###.####");
}

FakeField& FakeWindow::addCount(const std::string& name) {
    return add(name, TNumericDataType::nftInteger, u"iiiiii");
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
