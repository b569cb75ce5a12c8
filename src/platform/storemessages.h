#pragma once

#include "store/filechange.h"
#include "store/folderlock.h"
#include "store/guard.h"
#include "store/loading.h"
#include "store/saveset.h"

// The window side of the store: the store returns statuses and shows nothing; these
// functions tell the user what a status means, with the texts, titles and styles the
// windows have always shown.
namespace platform {

// The one message of a file status: the empty-file message of the file (title
// "INFORMATION", style 48), or the missing or damaged file's error message. Ok says nothing.
void tell(const store::FileStatus &status);

// A save refused because a file was missing or damaged when the window read it, told at the
// press: the file's message again, then the window's sentence that nothing was saved, as one
// error message ("Filen VERUNDAR är skadad och kunde inte läsas helt. Rundan sparades inte.").
void tellNotSaved(const store::FileStatus &unread, const QString &notSaved);

// store::load, then tell() for each status the loading says the user is told.
store::LoadResult loadAndTell(store::Tables &tables, const store::LoadPlan &plan);

// store::guard, telling the empty file that keeps the window closed.
bool guardAllows(store::GuardFiles files);

// Tells why a set save failed ("FELMEDDELANDE", style 48): whether the old files remain or
// the save is left for the next start. True when the new set was saved.
bool reportSave(const store::SaveResult &result);

// The one save of every window that writes: the change's files saved as one set, all or
// none. When they are not saved the user is told why (style 48): the refusal ("Filerna
// VERUNDAR, VERUNDAH och VERUNDAK har olika antal rundor. Ingenting har sparats.", "Du kan
// inte registrera fler än 2001 rundor. Rundan sparades inte.") or, as reportSave, the file
// that could not be saved. True when saved; nothing is said then.
bool saveChange(const store::FileChange &change);

// The course limit, with the number of store/format.h: "Du kan inte registrera fler än 101 banor."
void tellCourseLimit();

// Takes the data folder for the whole run. When another copy holds it: "VEMTOR är redan
// igång med filerna i den här mappen." (title "INFORMATION", style 48), and false: the program
// ends without reading or writing a file; so it does when the lock file's name is held by a
// folder or a link, with a message that names it. When no lock file can be made (the folder
// may not be written, the disk is full) every save is barred, the user is told once why
// ("Ingenting kan sparas i den här mappen: ...", "INFORMATION", 48), and the program goes on
// to show the files.
bool holdDataFolder(store::FolderLock &lock);

// The start-up check with its messages, run only while the data folder is held or saves are
// barred: an interrupted save is finished or undone first (by a copy that may save). True
// when the main window may be shown.
bool startupCheck();

} // namespace platform
