// What a program does when an exception escapes everything: it ends, as the standard
// handler ends it, without first writing the exception's type to the error output,
// which a window program does not have. The standard handler's name demangler is most
// of the 32-bit programs' size above 400 KB, and wWinMain reports every failure that
// reaches it, so nothing is lost. Linked into every program by discfront_program().
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
