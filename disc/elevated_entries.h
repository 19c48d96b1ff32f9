// Which entries start a program that asks for administrator rights: the launcher marks
// them with the system's shield, as Windows marks such programs, so that the elevation
// prompt Install brings does not come as a surprise.
#pragma once

#include <vector>

#include "catalogue/catalogue_entry.h"
#include "disc/disc_folder.h"
#include "disc/file_probe.h"
#include "disc/program_image.h"

namespace discfront {

// One flag per entry: Install starts a program (as PlanInstall finds it) whose manifest
// asks for administrator rights. Entries that share a program read it once.
std::vector<bool> EntriesAskingAdministrator(const std::vector<CatalogueEntry>& entries, const DiscFolder& disc,
                                             const FileProbe& files, const ProgramProbe& programs);

}  // namespace discfront
