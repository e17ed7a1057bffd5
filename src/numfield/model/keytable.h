#pragma once

#include "numfield/model/entrycommand.h"
#include "numfield/model/keystroke.h"

#include <string>
#include <vector>

namespace paysmith {

// One row: a key, or a two-key sequence when `second` names a key, and the
// command it gives.
struct KeyRow {
    KeyStroke first;
    KeyStroke second;
    EntryCommand command = EntryCommand::ccNone;

    bool isSequence() const { return second.key != Key::None; }
};

enum class TableState { Active, Inactive };

struct KeyTable {
    std::string name;
    TableState state = TableState::Inactive;
    std::vector<KeyRow> rows;
};

// The "Default" table: the only one a field uses unless a program switches.
KeyTable defaultKeyTable();
// WordStar-style keys with two-key sequences; inactive.
KeyTable classicKeyTable();
// Keys a grid cell would take for moving between cells; inactive.
KeyTable gridKeyTable();

} // namespace paysmith
