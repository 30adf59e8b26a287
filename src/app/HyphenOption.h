#pragma once

class CommandTable;
class EditingCommands;
class OptionsStore;

// "Переносы по словарю", an option of the program's own kept among the others: while it is on,
// "Удалить переносы" asks the spelling dictionaries whether a word broken at a line end keeps its
// hyphen. Adds the checkable command "HyphensByDictionaryClick" that turns it on and off.
void AddHyphenOption(CommandTable &commands, EditingCommands &editing, OptionsStore &options);
