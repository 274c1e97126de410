// Arbitrary serial speeds through the kernel's termios2 interface. Kept apart because its
// header defines a termios of its own that clashes with the C library's.
#include <asm/ioctls.h>
#include <asm/termbits.h>

extern "C" int ioctl(int fd, unsigned long request, ...);

namespace lw::port {

bool SetCustomSerialSpeed(int fd, int speed) {
    struct termios2 tio {};
    if (ioctl(fd, TCGETS2, &tio) != 0) return false;
    tio.c_cflag &= ~static_cast<tcflag_t>(CBAUD | (CBAUD << IBSHIFT));
    tio.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    tio.c_ispeed = static_cast<speed_t>(speed);
    tio.c_ospeed = static_cast<speed_t>(speed);
    return ioctl(fd, TCSETS2, &tio) == 0;
}

} // namespace lw::port
