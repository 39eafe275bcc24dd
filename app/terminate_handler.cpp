// The terminate handler of both executables. The C++ library's own one
// writes the demangled name of the uncaught exception's type to stderr,
// which a GUI program has not got, and carries the whole demangler (about
// 50 KB) for it. This one ends the process the same way, without the text.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
