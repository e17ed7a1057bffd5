#pragma once

#include "app/settings/savedvalues.h"

#include <QString>

#include <functional>

class QWidget;

namespace paysmith {

// Shows `problem` (which file refused the loans, and why) and answers with
// another file to save them to, or with nothing when the user would rather
// not save them.
using AskForAnotherFile = std::function<QString(QWidget* parent, const QString& problem)>;

// The question as a message box, then the file dialog.
QString askForAnotherSettingsFile(QWidget* parent, const QString& problem);

// Saves the loans to the settings file. A file that refuses them is named
// with the reason, and `ask` offers another file, in the same format, again
// after each refusal, until one takes them or the user declines.
void saveValuesOrElsewhere(QWidget* parent, const SavedValues& values, char16_t decimalSeparator,
                           const AskForAnotherFile& ask);

} // namespace paysmith
