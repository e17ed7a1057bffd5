#pragma once

// Marks a core's English text for lupdate, which finds it by this macro's
// name; a widget shows it through translated() with the same context. Qt's
// own definition is the same, so a file that sees both compiles either way.
// A UTF-16 text is written u"" QT_TRANSLATE_NOOP("Context", "text"): lupdate
// reads no prefixed literal, and the empty u"" gives the whole its type.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
