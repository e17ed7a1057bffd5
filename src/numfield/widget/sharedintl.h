#pragma once

#include "numfield/text/intlsupport.h"

namespace paysmith {

// The one set of number-format settings that all fields share, read from the
// process locale on first use and never refreshed. The program asks for it at
// start, before it creates its first field.
const TIntlSupport& applicationIntlSupport();

} // namespace paysmith
