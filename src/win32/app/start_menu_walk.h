#pragma once
// Finding the shortcuts of the Start Menu's "Programs" folders on disk.
#include <string>
#include <vector>

#include "core/app/start_menu_import.h"

namespace zek::win32 {

// The user's or the all-users' "Programs" folder of the Start Menu; "" when the
// system names none.
std::string startMenuProgramsFolder(bool allUsers);

// Every ".lnk" file below `programsFolder`, with the folders leading to it and the
// target it points to. The walk is bounded whatever the disk holds: folders that are
// links (which may lead back up) are not entered, nor folders nested deeper than
// app::kMaxWalkDepth, and it stops after app::kMaxWalkEntries entries or
// app::kMaxWalkMs; what that leaves out is added to `omissions`. A shortcut that
// points at no file (a shell folder, a broken link) comes back with its target
// marked missing; one on the network is not looked up and counts as there.
std::vector<app::FoundShortcut> findStartMenuShortcuts(const std::string& programsFolder,
                                                       app::ImportOmissions& omissions);

}  // namespace zek::win32
