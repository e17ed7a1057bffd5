#pragma once

#include "numfield/model/keytable.h"

#include <optional>
#include <string_view>
#include <vector>

namespace paysmith {

enum class Translated {
    Command,      // a row matched: `command` holds it
    CharacterKey, // no row matched: the key's character is what the field gets
    Pending,      // the first key of a two-key sequence; the key is consumed
    Nothing,      // a modifier key alone
};

struct Translation {
    Translated kind = Translated::Nothing;
    EntryCommand command = EntryCommand::ccNone;
};

// Turns key strokes into commands through the active tables, searched in
// order; the first matching row wins.
class CommandProcessor {
  public:
    CommandProcessor();

    Translation translate(KeyStroke stroke);
    // Forgets the first key of an unfinished two-key sequence.
    void reset() { m_pending.reset(); }

    // nullptr when no table has that name.
    KeyTable* table(std::string_view name);
    const std::vector<KeyTable>& tables() const { return m_tables; }

  private:
    std::optional<EntryCommand> finishSequence(KeyStroke second) const;

    std::vector<KeyTable> m_tables;
    std::optional<KeyStroke> m_pending;
};

} // namespace paysmith
