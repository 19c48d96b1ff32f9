// Which file's icon stands for each entry when the disc asks the launcher's list to show
// icons (EntryIcons=yes): what Install opens, as PlanInstall finds it. The program or
// document it starts (the system gives a document its file type's icon), the disc
// folder or the file a folder window shows; none for an entry whose file is not there
// or that does nothing, and its title stays in line with the others.
#pragma once

#include <string>
#include <vector>

#include "catalogue/catalogue_entry.h"
#include "disc/disc_folder.h"
#include "disc/file_probe.h"

namespace discfront {

// One full name per entry, empty where the entry has no icon.
std::vector<std::wstring> EntryIconFiles(const std::vector<CatalogueEntry>& entries, const DiscFolder& disc,
                                         const FileProbe& files);

}  // namespace discfront
