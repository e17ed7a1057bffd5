#pragma once

#include "base/print/printing.h"

namespace paysmith {

// The one entry of the loadable printing module: shows the print dialog over
// `parent` and, when the user accepts it, renders onto the chosen printer.
using PrintEntry = void (*)(QWidget* parent, const PageRenderer& render);
inline constexpr const char* kPrintEntryName = "paysmith_print_through_dialog";

} // namespace paysmith
