#include "numfield/widget/fieldkeys.h"

#include "base/qt/qtstrings.h"

#include <QKeyEvent>

namespace paysmith {

namespace {

Key keyOf(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return digitKey(qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return static_cast<Key>(static_cast<int>(Key::A) + (qtKey - Qt::Key_A));
    switch (qtKey) {
    case Qt::Key_Backspace:
        return Key::Backspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return Key::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Key::Enter;
    case Qt::Key_Escape:
        return Key::Escape;
    case Qt::Key_Space:
        return Key::Space;
    case Qt::Key_PageUp:
        return Key::PageUp;
    case Qt::Key_PageDown:
        return Key::PageDown;
    case Qt::Key_End:
        return Key::End;
    case Qt::Key_Home:
        return Key::Home;
    case Qt::Key_Left:
        return Key::Left;
    case Qt::Key_Up:
        return Key::Up;
    case Qt::Key_Right:
        return Key::Right;
    case Qt::Key_Down:
        return Key::Down;
    case Qt::Key_Insert:
        return Key::Insert;
    case Qt::Key_Delete:
        return Key::Delete;
    case Qt::Key_Shift:
        return Key::ShiftKey;
    case Qt::Key_Control:
        return Key::ControlKey;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
        return Key::AltKey;
    case Qt::Key_CapsLock:
        return Key::CapsLock;
    case Qt::Key_NumLock:
        return Key::NumLock;
    case Qt::Key_ScrollLock:
        return Key::ScrollLock;
    default:
        return Key::Other;
    }
}

} // namespace

KeyStroke keyStrokeOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers qt = event.modifiers();
    Modifiers modifiers = Modifiers::None;
    // Qt reports Shift+Tab as Backtab, with or without the Shift flag.
    if (qt.testFlag(Qt::ShiftModifier) || event.key() == Qt::Key_Backtab)
        modifiers = modifiers | Modifiers::Shift;
    if (qt.testFlag(Qt::ControlModifier))
        modifiers = modifiers | Modifiers::Ctrl;
    if (qt.testFlag(Qt::AltModifier))
        modifiers = modifiers | Modifiers::Alt;
    return {keyOf(event.key()), modifiers};
}

std::u16string typedTextOf(const QKeyEvent& event, char16_t decimalMark) {
    const bool keypadDecimal = event.modifiers().testFlag(Qt::KeypadModifier) &&
                               (event.text() == u'.' || event.text() == u',');
    if (keypadDecimal)
        return std::u16string(1, decimalMark);
    return toU16String(event.text());
}

} // namespace paysmith
