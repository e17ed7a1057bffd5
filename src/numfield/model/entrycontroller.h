#pragma once

#include "numfield/model/commandprocessor.h"
#include "numfield/model/optionset.h"

#include <functional>
#include <string>

namespace paysmith {

class TNumericFieldModel;

enum class TBaseEFOption : std::uint8_t {
    efoAutoAdvanceChar,
    efoAutoAdvanceLeftRight,
    efoAutoAdvanceUpDown,
    efoAutoSelect,
    efoBeepOnError,
    efoInsertPushes,
};

enum class InsertMode { Insert, Overtype };

// Replaces the error message box when assigned.
using TValidationErrorEvent =
    std::function<void(TNumericFieldModel& sender, int errorCode, const std::u16string& errorMsg)>;

// What the fields of one window share: entry options, the key tables, the
// insert mode and the mark that one rejected value is waiting for its report.
class TEntryController {
  public:
    // The controller of every field that names none of its own.
    static TEntryController& defaultController();

    OptionSet<TBaseEFOption> EntryOptions{TBaseEFOption::efoAutoSelect,
                                          TBaseEFOption::efoBeepOnError,
                                          TBaseEFOption::efoInsertPushes};
    CommandProcessor EntryCommands;
    TValidationErrorEvent OnError;

    InsertMode insertMode() const { return m_insertMode; }
    void setInsertMode(InsertMode mode) { m_insertMode = mode; }

    bool errorPending() const { return m_errorPending; }
    void markErrorPending() { m_errorPending = true; }
    void clearErrorPending() { m_errorPending = false; }

  private:
    InsertMode m_insertMode = InsertMode::Insert;
    bool m_errorPending = false;
};

} // namespace paysmith
