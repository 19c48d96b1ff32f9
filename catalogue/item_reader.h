// The item reader: turns the bytes of a catalogue or description file into one
// text, item by item, with nothing between the items.
//
// An item ends at a comma or a line end (CR LF, a lone CR or a lone LF), which
// belongs to no item; spaces in front of an item are skipped; an item that starts
// with a double quote runs to the next double quote, and neither quote belongs to it.
// Where the reading rule leaves a choice, nothing the author wrote is dropped:
// text after a closing quote (up to the comma or line end) stays in the item,
// spaces at the end of an item stay, line ends between two quotes stay, and a
// quote that never closes runs to the end of the file.
#pragma once

#include <string>
#include <string_view>

namespace discfront {

// Joined items of file bytes, as bytes in the file's encoding (without the mark of a
// UTF-8 file). Every character the reader looks at is ASCII, which both encodings
// keep as it is and which is never part of a longer UTF-8 sequence.
std::string JoinItemBytes(std::string_view fileBytes);

// Joined items of file bytes, decoded: UTF-8 when the file starts with the UTF-8
// mark, Windows-1251 otherwise. Each item is decoded on its own.
std::wstring JoinItems(std::string_view fileBytes);

}  // namespace discfront
