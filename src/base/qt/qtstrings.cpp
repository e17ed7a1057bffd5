#include "base/qt/qtstrings.h"

namespace paysmith {

QString toQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::u16string toU16String(const QString& text) {
    return text.toStdU16String();
}

} // namespace paysmith
