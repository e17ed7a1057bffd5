#pragma once

#include "base/text/translatable.h"
#include "base/version.h"

#include <string>
#include <string_view>

namespace paysmith {

inline constexpr const char* kApplicationTitle = "Paysmith, " PAYSMITH_VERSION;
inline constexpr const char* kInformationCaption =
    QT_TRANSLATE_NOOP("paysmith::TfrmMain", "Information");

// The two reports of the error handler, with their line breaks as the texts
// define them: LF CR in the calculation message, CR LF in the general one.
std::string calculationErrorMessage();
// The general one names the maker and its support address where `text` has
// %1 and %2: the English text, or its translation.
inline constexpr const char* kGeneralErrorText =
    QT_TRANSLATE_NOOP("paysmith::Messages", "An error has occurred.\r\n\r\nIf you wish, you may "
                                            "contact %1    \r\n\r\nat:  %2");
std::string generalErrorMessage(std::string_view text = kGeneralErrorText);

// The same text with every CR LF, LF CR, lone CR and lone LF as one "\n", the
// form a Qt dialog renders as line breaks.
std::string withPlainLineBreaks(const std::string& text);

} // namespace paysmith
