// The bytes of an image's structures (image_records.h).
#include "disc/image_records.h"

#include <algorithm>
#include <chrono>
#include <string>

namespace discfront {

namespace {

void Put16(Bytes& out, std::size_t at, std::uint32_t value, bool bigEndian) {
  out[at + (bigEndian ? 1 : 0)] = static_cast<std::uint8_t>(value);
  out[at + (bigEndian ? 0 : 1)] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(Bytes& out, std::size_t at, std::uint32_t value, bool bigEndian) {
  for (int i = 0; i < 4; ++i) out[at + (bigEndian ? 3 - i : i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Both byte orders, little-endian first, as the standard records most numbers.
void PutBoth16(Bytes& out, std::size_t at, std::uint32_t value) {
  Put16(out, at, value, false);
  Put16(out, at + 2, value, true);
}

void PutBoth32(Bytes& out, std::size_t at, std::uint32_t value) {
  Put32(out, at, value, false);
  Put32(out, at + 4, value, true);
}

// An identifier's bytes: d-characters as they are, the Unicode tree's UCS-2 big-endian.
Bytes IdBytes(const ImageNode& node, bool primary) {
  if (primary) return Bytes(node.primaryId.begin(), node.primaryId.end());
  Bytes out;
  for (char16_t c : node.jolietId) {
    out.push_back(static_cast<std::uint8_t>(c >> 8));
    out.push_back(static_cast<std::uint8_t>(c));
  }
  return out;
}

// A text field filled with spaces: single bytes in the primary descriptor, UCS-2
// big-endian in the Unicode one.
void PutText(Bytes& out, std::size_t at, std::size_t bytes, const std::u16string& text, bool primary) {
  for (std::size_t i = 0; i < bytes; i += primary ? 1 : 2) {
    const std::size_t n = primary ? i : i / 2;
    const char16_t c = n < text.size() ? text[n] : u' ';
    if (primary) {
      out[at + i] = static_cast<std::uint8_t>(c);
    } else if (i + 1 < bytes) {
      out[at + i] = static_cast<std::uint8_t>(c >> 8);
      out[at + i + 1] = static_cast<std::uint8_t>(c);
    }
  }
}

struct Civil {
  int year, month, day, hour, minute, second;
};

Civil CivilTime(std::int64_t seconds) {
  using namespace std::chrono;
  const sys_seconds time{std::chrono::seconds(seconds)};
  const sys_days day = floor<days>(time);
  const year_month_day date{day};
  const hh_mm_ss clock{time - day};
  return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day())), static_cast<int>(clock.hours().count()),
          static_cast<int>(clock.minutes().count()), static_cast<int>(clock.seconds().count())};
}

// A descriptor's date: "YYYYMMDDHHMMSScc" and the offset from UTC (0).
void PutDescriptorDate(Bytes& out, std::size_t at, std::int64_t seconds) {
  constexpr std::int64_t kYear1 = -62135596800, kYear9999End = 253402300799;
  const Civil c = CivilTime(std::clamp(seconds, kYear1, kYear9999End));
  const int parts[] = {c.year / 100, c.year % 100, c.month, c.day, c.hour, c.minute, c.second, 0};
  for (int i = 0; i < 8; ++i) {
    out[at + 2 * i] = static_cast<std::uint8_t>('0' + parts[i] / 10);
    out[at + 2 * i + 1] = static_cast<std::uint8_t>('0' + parts[i] % 10);
  }
  out[at + 16] = 0;
}

void PutUnsetDate(Bytes& out, std::size_t at) {
  std::fill_n(out.begin() + static_cast<std::ptrdiff_t>(at), 16, '0');
  out[at + 16] = 0;
}

Bytes Record(const Bytes& id, std::uint32_t sector, std::uint32_t bytes, std::int64_t date, bool folder) {
  const std::size_t length = 33 + id.size() + (id.size() % 2 == 0 ? 1 : 0);
  Bytes out(length, 0);
  out.at(0) = static_cast<std::uint8_t>(length);
  PutBoth32(out, 2, sector);
  PutBoth32(out, 10, bytes);
  const auto when = RecordDate(date);
  std::copy(when.begin(), when.end(), out.begin() + 18);
  out[25] = folder ? 2 : 0;
  PutBoth16(out, 28, 1);
  out[32] = static_cast<std::uint8_t>(id.size());
  std::copy(id.begin(), id.end(), out.begin() + 33);
  return out;
}

Bytes FolderRecord(const ImagePlan& plan, std::size_t folder, const Bytes& id, bool primary) {
  const ImageNode& node = plan.nodes[folder];
  return Record(id, primary ? node.primarySector : node.jolietSector, primary ? node.primaryBytes : node.jolietBytes,
                node.modified, true);
}

Bytes Descriptor(const ImagePlan& plan, bool primary) {
  Bytes out(kSectorSize, 0);
  out[0] = primary ? 1 : 2;
  std::copy_n("CD001", 5, out.begin() + 1);
  out[6] = 1;
  const std::u16string label =
      primary ? std::u16string(plan.primaryLabel.begin(), plan.primaryLabel.end()) : plan.jolietLabel;
  PutText(out, 8, 32, u"", primary);      // system
  PutText(out, 40, 32, label, primary);   // volume
  PutBoth32(out, 80, plan.sectors);
  if (!primary) std::copy_n("%/E", 3, out.begin() + 88);  // UCS-2 level 3
  PutBoth16(out, 120, 1);                 // volume set size
  PutBoth16(out, 124, 1);                 // volume sequence number
  PutBoth16(out, 128, kSectorSize);
  PutBoth32(out, 132, primary ? plan.primaryPathTableBytes : plan.jolietPathTableBytes);
  Put32(out, 140, primary ? plan.primaryPathTableL : plan.jolietPathTableL, false);
  Put32(out, 148, primary ? plan.primaryPathTableM : plan.jolietPathTableM, true);
  const Bytes root = FolderRecord(plan, 0, Bytes{0}, primary);
  std::copy(root.begin(), root.end(), out.begin() + 156);
  PutText(out, 190, 128, u"", primary);   // volume set
  PutText(out, 318, 128, u"", primary);   // publisher
  PutText(out, 446, 128, u"", primary);   // data preparer
  PutText(out, 574, 128, u"KORVEL DISCFRONT", primary);  // application
  PutText(out, 702, 37, u"", primary);    // copyright file
  PutText(out, 739, 37, u"", primary);    // abstract file
  PutText(out, 776, 37, u"", primary);    // bibliographic file
  PutDescriptorDate(out, 813, plan.volumeTime);  // created
  PutDescriptorDate(out, 830, plan.volumeTime);  // modified
  PutUnsetDate(out, 847);                        // expires
  PutUnsetDate(out, 864);                        // effective
  out[881] = 1;                                  // file structure version
  return out;
}

}  // namespace

std::array<std::uint8_t, 7> RecordDate(std::int64_t seconds) {
  constexpr std::int64_t kYear1900 = -2208988800, kYear2155End = 5996937599;
  const Civil c = CivilTime(std::clamp(seconds, kYear1900, kYear2155End));
  return {static_cast<std::uint8_t>(c.year - 1900), static_cast<std::uint8_t>(c.month),
          static_cast<std::uint8_t>(c.day),         static_cast<std::uint8_t>(c.hour),
          static_cast<std::uint8_t>(c.minute),      static_cast<std::uint8_t>(c.second), 0};
}

Bytes VolumeDescriptors(const ImagePlan& plan) {
  Bytes out = Descriptor(plan, true);
  const Bytes joliet = Descriptor(plan, false);
  out.insert(out.end(), joliet.begin(), joliet.end());
  Bytes terminator(kSectorSize, 0);
  terminator[0] = 255;
  std::copy_n("CD001", 5, terminator.begin() + 1);
  terminator[6] = 1;
  out.insert(out.end(), terminator.begin(), terminator.end());
  return out;
}

Bytes PathTable(const ImagePlan& plan, bool primary, bool bigEndian) {
  Bytes out;
  for (std::size_t folder : primary ? plan.primaryFolders : plan.jolietFolders) {
    const ImageNode& node = plan.nodes[folder];
    const Bytes id = folder == 0 ? Bytes{0} : IdBytes(node, primary);
    const std::size_t parent = folder == 0 ? 0 : (primary ? node.primaryParent : node.parent);
    Bytes record(8 + id.size() + id.size() % 2, 0);
    record.at(0) = static_cast<std::uint8_t>(id.size());
    Put32(record, 2, primary ? node.primarySector : node.jolietSector, bigEndian);
    const ImageNode& up = plan.nodes[parent];
    Put16(record, 6, primary ? up.primaryNumber : up.jolietNumber, bigEndian);
    std::copy(id.begin(), id.end(), record.begin() + 8);
    out.insert(out.end(), record.begin(), record.end());
  }
  return out;
}

Bytes DirectoryExtent(const ImagePlan& plan, std::size_t folder, bool primary) {
  const ImageNode& node = plan.nodes[folder];
  const std::size_t parent = folder == 0 ? 0 : (primary ? node.primaryParent : node.parent);
  Bytes out = FolderRecord(plan, folder, Bytes{0}, primary);
  const Bytes up = FolderRecord(plan, parent, Bytes{1}, primary);
  out.insert(out.end(), up.begin(), up.end());
  for (std::size_t child : primary ? node.primaryChildren : node.children) {
    const ImageNode& entry = plan.nodes[child];
    const Bytes record = entry.folder ? FolderRecord(plan, child, IdBytes(entry, primary), primary)
                                      : Record(IdBytes(entry, primary), entry.sector,
                                               static_cast<std::uint32_t>(entry.size), entry.modified, false);
    // A record never crosses a sector's end: the rest of that sector stays zero.
    const std::size_t used = out.size() % kSectorSize;
    if (used + record.size() > kSectorSize) out.resize(out.size() + kSectorSize - used, 0);
    out.insert(out.end(), record.begin(), record.end());
  }
  out.resize((out.size() + kSectorSize - 1) / kSectorSize * kSectorSize, 0);
  return out;
}

}  // namespace discfront
