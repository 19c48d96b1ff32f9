// The name a program file gives itself in its version resource, read from its bytes
// without starting it. Like the rest of the program reader, every length the resource
// gives is checked against the bytes that hold it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "disc/program_image.h"

namespace discfront {

// The title a version resource's bytes give: FileDescription, else ProductName, each
// looked for first in the string table of `language` (a language number such as 0x0419)
// and then in the others in their order; blank texts count as none.
std::optional<std::wstring> VersionTitle(std::string_view resource, std::uint16_t language);

// The same, of a program file; nothing when it is no program or has no version resource.
std::optional<std::wstring> ReadVersionTitle(const ByteSource& file, std::uint16_t language);

}  // namespace discfront
