#pragma once

#include "numfield/model/entrystring.h"
#include "numfield/text/masklayout.h"

#include <string>

namespace paysmith {

// The display text of a field being typed in: the entry laid into the mask and
// shifted so that exactly what was typed shows, right-aligned. An empty entry
// shows as 0; decimals not typed yet are not shown, decimals beyond the mask's
// push the text to the left. The result is display-length long.
//
// A bare point shows with a 0 before it only where the display has room for
// that 0: "-.123456" in "###.####" keeps its sign, where "-0.123456" would have
// to lose it.
std::u16string editingDisplayText(const MaskLayout& layout, const EntryString& entry);

} // namespace paysmith
