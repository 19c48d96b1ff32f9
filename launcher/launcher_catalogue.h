// The launcher's catalogue in memory: the entry arrays, filled once at start-up.
// Plain C++: the window hands the titles to its list box.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "catalogue/splitter.h"

namespace discfront {

struct LauncherCatalogue {
  // Slot k belongs to item k of the list; every element starts empty.
  std::array<std::wstring, kSlotCount> entryPath;
  std::array<std::wstring, kSlotCount> entryComment;
  std::array<std::wstring, kSlotCount> entryPicture;
};

using TitleSink = std::function<void(std::wstring_view title)>;

// Splits the catalogue text and stores each field as it is handed over: path,
// comment and picture into the arrays, the title to addTitle (the next list item).
// Entries stored before a failure stay.
SplitResult LoadCatalogue(std::wstring_view catalogueText, LauncherCatalogue& catalogue, const TitleSink& addTitle);

}  // namespace discfront
