// Drives one numeric field model with arbitrary keys, characters, pastes,
// value writes and focus changes on each of the program's masks, under each
// set of number-format conventions. After every step the display text must keep its
// length, a negative entry must show its sign, and a value read as valid must
// be the value of the text on display.

#include "fuzzfields.h"

#include "numfield/model/numericfieldmodel.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <string>

namespace {

using namespace paysmith;

class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool empty() const { return m_at >= m_size; }
    std::uint8_t next() { return empty() ? 0 : m_data[m_at++]; }
    std::int32_t nextInt32() {
        std::uint32_t bits = 0;
        for (int i = 0; i < 4; ++i)
            bits = bits << 8 | next();
        return static_cast<std::int32_t>(bits);
    }
    double nextDouble() {
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i)
            bits = bits << 8 | next();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

  private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

// What a user can type into a field, with the marks of the conventions in
// force added at the end.
constexpr std::u16string_view kAlphabet = u"0123456789.-,() aE\x01";

char16_t characterOf(std::uint8_t byte, const TIntlSupport& intl) {
    const std::size_t at = byte % (kAlphabet.size() + 2);
    if (at == kAlphabet.size())
        return intl.DecimalMark();
    if (at == kAlphabet.size() + 1)
        return intl.GroupMark();
    return kAlphabet[at];
}

class Window : public FieldRequests {
  public:
    TNumericFieldModel* field = nullptr;
    std::deque<PostedRequest> posted;
    std::u16string clipboard;

    void beep() override {}
    void post(PostedRequest request) override { posted.push_back(request); }
    bool clipboardHasText() override { return !clipboard.empty(); }
    std::u16string clipboardText() override { return clipboard; }
    void setClipboardText(std::u16string_view text) override { clipboard = text; }
    void showErrorMessage(std::u16string_view) override {}
    void focusField() override {
        if (!field->hasFocus())
            field->focusIn(FocusSource::SameWindow, FocusCause::Keyboard);
    }
    void runPosted() {
        // Bounded: every delivery may post again.
        for (int i = 0; i < 16 && !posted.empty(); ++i) {
            const PostedRequest request = posted.front();
            posted.pop_front();
            field->deliver(request);
        }
    }
};

// The value of a display text read by hand: blanks and grouping marks out,
// the decimal mark as a point.
bool valueOfDisplay(const std::u16string& display, const TIntlSupport& intl, long double& value) {
    std::string number;
    for (char16_t c : display) {
        if (c == u' ' || c == intl.GroupMark())
            continue;
        if (c == intl.DecimalMark())
            number.push_back('.');
        else if (c == u'-' || (c >= u'0' && c <= u'9'))
            number.push_back(static_cast<char>(c));
        else
            return false;
    }
    if (number.empty() || number == "-")
        number += '0';
    char* end = nullptr;
    value = std::strtold(number.c_str(), &end);
    return *end == '\0';
}

void check(bool condition) {
    if (!condition)
        std::abort();
}

void checkInvariants(TNumericFieldModel& field, std::size_t length, const TIntlSupport& intl) {
    const std::u16string& display = field.displayText();
    check(display.size() == length);
    const bool overflow = display.find_first_not_of(u'#') == std::u16string::npos;
    if (field.hasFocus() && !overflow)
        check((display.find(u'-') != std::u16string::npos) ==
              (field.entry().sign() == Sign::Negative));
    const double read = field.FloatValue();
    if (field.LastValidationCode() != 0) {
        check(read == 0.0);
        return;
    }
    long double shown = 0;
    check(valueOfDisplay(display, intl, shown));
    check(read == static_cast<double>(shown));
}

// The first three masks of the shared list are the program's.
constexpr std::size_t kProgramMasks = 3;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes bytes(data, size);
    const std::uint8_t first = bytes.next();
    const std::size_t maskIndex = first % kProgramMasks;
    const TIntlSupport& intl =
        fuzzing::kConventions[(first / kProgramMasks) % fuzzing::kConventions.size()];
    const TNumericDataType type = fuzzing::dataTypeOfMask(maskIndex);
    TEntryController controller;
    Window window;
    TNumericFieldModel field(intl, window);
    window.field = &field;
    field.setController(&controller);
    field.setDataType(type);
    field.setPictureMask(fuzzing::kMasks[maskIndex]);
    const std::size_t length = field.displayText().size();

    while (!bytes.empty()) {
        const std::uint8_t op = bytes.next();
        const std::uint8_t arg = bytes.next();
        switch (op % 10) {
        case 0:
        case 1:
        case 2:
            if (field.hasFocus())
                field.character(characterOf(arg, intl));
            break;
        case 3:
            if (!field.hasFocus())
                break;
            if (arg & 0x80) {
                const auto key = static_cast<Key>(arg % (1 + static_cast<int>(Key::Other)));
                const auto modifiers = static_cast<Modifiers>(bytes.next() % 8);
                const char16_t text = characterOf(bytes.next(), intl);
                field.keyPress({key, modifiers}, std::u16string_view(&text, 1));
            } else {
                field.command(static_cast<EntryCommand>(
                    arg % (1 + static_cast<int>(EntryCommand::ccSetMarker9))));
            }
            break;
        case 4: {
            window.clipboard.clear();
            for (int i = 0; i < arg % 16; ++i)
                window.clipboard.push_back(characterOf(bytes.next(), intl));
            if (field.hasFocus())
                field.command(EntryCommand::ccPaste);
            break;
        }
        case 5:
            if (!field.hasFocus())
                field.focusIn(arg & 1 ? FocusSource::OtherWindow : FocusSource::SameWindow,
                              arg & 2 ? FocusCause::Mouse : FocusCause::Keyboard);
            break;
        case 6:
            if (field.hasFocus())
                field.focusOut(static_cast<FocusTarget>(arg % 3));
            break;
        case 7:
            window.runPosted();
            break;
        case 8:
            if (isIntegerType(type))
                field.setIntegerValue(bytes.nextInt32());
            else
                field.setFloatValue(bytes.nextDouble());
            break;
        case 9:
            if (field.hasFocus())
                (arg & 1) ? field.click() : field.doubleClick();
            break;
        }
        checkInvariants(field, length, intl);
    }
    return 0;
}
