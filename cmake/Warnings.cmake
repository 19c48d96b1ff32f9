# One warning set for every target of the project; warnings are errors in both builds.
add_library(discfront_warnings INTERFACE)
target_compile_options(discfront_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align -Woverloaded-virtual
  -Wnull-dereference -Wimplicit-fallthrough -Werror)
