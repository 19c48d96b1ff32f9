// The rights a program's manifest asks for: the level attribute of its
// requestedExecutionLevel element, found in the manifest's text without an XML library.
#pragma once

#include <string_view>

namespace discfront {

enum class ExecutionLevel { kAsInvoker, kHighestAvailable, kRequireAdministrator };

// kAsInvoker when the manifest names no other level (or no level at all).
ExecutionLevel RequestedExecutionLevel(std::string_view manifest);

}  // namespace discfront
