#pragma once

#include <QString>

#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace paysmith {

// Draws a document onto the pages of a printer or PDF writer.
using PageRenderer = std::function<void(QPagedPaintDevice& pages)>;

// Asks for a printer through the desktop's print dialog and prints on it. The
// printing libraries are loaded the first time, so that a program that never
// prints never loads them. Empty when printed or cancelled; otherwise why
// nothing could be printed.
QString printThroughDialog(QWidget* parent, const PageRenderer& render);

} // namespace paysmith
