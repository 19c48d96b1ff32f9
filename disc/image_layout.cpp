// Where each part of a planned image lies (image_layout.h).
#include "disc/image_layout.h"

#include "disc/image_records.h"

namespace discfront {

namespace {

std::uint32_t SectorsFor(std::uint64_t bytes) {
  return static_cast<std::uint32_t>((bytes + kSectorSize - 1) / kSectorSize);
}

}  // namespace

void LayOut(ImagePlan& plan) {
  std::uint32_t next = kFirstFreeSector;
  auto place = [&next](std::uint64_t bytes) {
    const std::uint32_t at = next;
    next += SectorsFor(bytes);
    return at;
  };
  plan.primaryPathTableBytes = static_cast<std::uint32_t>(PathTable(plan, true, false).size());
  plan.jolietPathTableBytes = static_cast<std::uint32_t>(PathTable(plan, false, false).size());
  plan.primaryPathTableL = place(plan.primaryPathTableBytes);
  plan.primaryPathTableM = place(plan.primaryPathTableBytes);
  plan.jolietPathTableL = place(plan.jolietPathTableBytes);
  plan.jolietPathTableM = place(plan.jolietPathTableBytes);
  // A folder's size depends only on its records' names, not on where they point.
  for (std::size_t folder : plan.primaryFolders) {
    ImageNode& node = plan.nodes[folder];
    node.primaryBytes = static_cast<std::uint32_t>(DirectoryExtent(plan, folder, true).size());
    node.primarySector = place(node.primaryBytes);
  }
  for (std::size_t folder : plan.jolietFolders) {
    ImageNode& node = plan.nodes[folder];
    node.jolietBytes = static_cast<std::uint32_t>(DirectoryExtent(plan, folder, false).size());
    node.jolietSector = place(node.jolietBytes);
  }
  // An empty file has no data and points at none.
  for (std::size_t file : plan.files) {
    ImageNode& node = plan.nodes[file];
    node.sector = node.size == 0 ? 0 : place(node.size);
  }
  plan.sectors = next;
}

}  // namespace discfront
