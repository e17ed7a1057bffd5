#include "base/qt/qtstrings.h"

#include <QCoreApplication>

#include <string>

namespace paysmith {

QString toQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QString toQString(std::string_view utf8Text) {
    return QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size()));
}

std::u16string toU16String(const QString& text) {
    return text.toStdU16String();
}

QString translated(const char* context, std::u16string_view text) {
    return translated(context, toQString(text).toStdString());
}

QString translated(const char* context, std::string_view utf8Text) {
    const std::string source(utf8Text);
    return QCoreApplication::translate(context, source.c_str());
}

QString translatedWithNumbers(const char* context, std::string_view utf8Text,
                              const std::vector<std::int32_t>& numbers) {
    QString text = translated(context, utf8Text);
    for (const std::int32_t number : numbers)
        text = text.arg(number);
    return text;
}

} // namespace paysmith
