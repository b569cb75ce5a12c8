#pragma once

// The start-up check: first a save that a process left unfinished is finished or undone.
// Then all four data files must open. When one does not, its set of
// files is made empty (a file that holds records is kept as NAME.BAK first), the user is
// asked to restart, and the program must end.
namespace store {

// True when the main window may be shown.
bool startupCheck();

} // namespace store
