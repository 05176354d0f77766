#pragma once
// Copies of the game's records, kept to prove that the plug-in writes only
// the fields it owns. Bytes no one uses are filled with a pattern when a record
// is kept, so that a write spilling past a field changes something visible.
#include <string>

namespace standin {

enum class RecordKind { Page, Item, Player, Inventory, Weapon, Attachment };

// Fills the record's unused bytes and keeps a copy (again, if kept before).
void KeepRecord(void* record, RecordKind kind);
// The player and everything reachable from it, as the scenario has set it up.
void KeepPlayerRecords(void* player);

// Every kept record, and the action table, still match outside the fields the
// plug-in may write and those the game itself changes as it runs.
bool CheckGameRecords(const std::string& when);

}  // namespace standin
