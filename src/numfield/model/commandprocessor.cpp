#include "numfield/model/commandprocessor.h"

namespace paysmith {

CommandProcessor::CommandProcessor()
    : m_tables{defaultKeyTable(), classicKeyTable(), gridKeyTable()} {}

KeyTable* CommandProcessor::table(std::string_view name) {
    for (KeyTable& t : m_tables)
        if (t.name == name)
            return &t;
    return nullptr;
}

std::optional<EntryCommand> CommandProcessor::finishSequence(KeyStroke second) const {
    for (const KeyTable& t : m_tables) {
        if (t.state != TableState::Active)
            continue;
        for (const KeyRow& r : t.rows)
            if (r.isSequence() && r.first == *m_pending && r.second == second)
                return r.command;
    }
    return std::nullopt;
}

Translation CommandProcessor::translate(KeyStroke stroke) {
    if (isModifierKey(stroke.key))
        return {Translated::Nothing};
    if (m_pending) {
        const std::optional<EntryCommand> command = finishSequence(stroke);
        m_pending.reset();
        if (command)
            return {Translated::Command, *command};
        // A broken sequence drops its first key; the second counts on its own.
    }
    for (const KeyTable& t : m_tables) {
        if (t.state != TableState::Active)
            continue;
        for (const KeyRow& r : t.rows) {
            if (r.first != stroke)
                continue;
            if (!r.isSequence())
                return {Translated::Command, r.command};
            m_pending = stroke;
            return {Translated::Pending};
        }
    }
    return {Translated::CharacterKey};
}

} // namespace paysmith
