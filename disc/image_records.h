// The bytes of an image's structures, from its plan: the volume descriptors, the
// path tables and the folders' records, as ISO 9660 and its Unicode (Joliet)
// supplement lay them down.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "disc/image_plan.h"

namespace discfront {

using Bytes = std::vector<std::uint8_t>;

// Sectors 16 to 18: the primary descriptor, the Unicode one and the terminator.
Bytes VolumeDescriptors(const ImagePlan& plan);
// A tree's path table, little-endian (L) or big-endian (M).
Bytes PathTable(const ImagePlan& plan, bool primary, bool bigEndian);
// A folder's records in whole sectors; no record crosses a sector's end.
Bytes DirectoryExtent(const ImagePlan& plan, std::size_t folder, bool primary);

// A record's date: years since 1900, month, day, hour, minute, second, and the
// offset from UTC in quarter hours (always 0: dates are written in UTC).
std::array<std::uint8_t, 7> RecordDate(std::int64_t seconds);

}  // namespace discfront
