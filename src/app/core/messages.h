#pragma once

#include "base/version.h"

#include <string>

namespace paysmith {

inline constexpr const char* kApplicationTitle = "Paysmith, " PAYSMITH_VERSION;
inline constexpr const char* kInformationCaption = "Information";

// The two reports of the error handler, with their line breaks as the texts
// define them: LF CR in the calculation message, CR LF in the general one.
std::string calculationErrorMessage();
std::string generalErrorMessage();

// The same text with every CR LF, LF CR, lone CR and lone LF as one "\n", the
// form a Qt dialog renders as line breaks.
std::string withPlainLineBreaks(const std::string& text);

} // namespace paysmith
