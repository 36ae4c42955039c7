// The board's auto-reset circuit for tests: a pseudo-terminal has no modem
// lines, so this program's own ioctl passes every call on to the C library
// and tells the simulated boards about DTR changes first.
#include "avr/AvrHost.h"

#include <dlfcn.h>
#include <sys/ioctl.h>

#include <cstdarg>

extern "C" int ioctl(int fd, unsigned long request, ...) noexcept {
    va_list args;
    va_start(args, request);
    void* argument = va_arg(args, void*);
    va_end(args);
    using Ioctl = int (*)(int, unsigned long, void*);
    static const auto real = reinterpret_cast<Ioctl>(dlsym(RTLD_NEXT, "ioctl"));
    if ((request == TIOCMBIS || request == TIOCMBIC) && argument)
        parlix::test::AvrHost::OnModemLines(fd, request, *static_cast<int*>(argument));
    return real(fd, request, argument);
}
