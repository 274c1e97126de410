/* Preloaded into a program to take pseudo-terminals away from it: opening the multiplexer or a
   pseudo-terminal's end fails as on a system that has none (ENOENT). Used to show that the
   built-in demo runs without them. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <string.h>

static int IsPty(const char* path) {
    return path && (strcmp(path, "/dev/ptmx") == 0 || strncmp(path, "/dev/pts/", 9) == 0);
}

static int Refuse(void) {
    errno = ENOENT;
    return -1;
}

int posix_openpt(int flags) {
    (void)flags;
    return Refuse();
}

int getpt(void) {
    return Refuse();
}

#define PASS_OPEN(name, ...)                                                                       \
    static int (*real)(__VA_ARGS__) = 0;                                                           \
    if (!real) *(void**)&real = dlsym(RTLD_NEXT, name);

int open(const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) ? va_arg(args, mode_t) : 0;
    va_end(args);
    if (IsPty(path)) return Refuse();
    PASS_OPEN("open", const char*, int, ...)
    return real(path, flags, mode);
}

int open64(const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) ? va_arg(args, mode_t) : 0;
    va_end(args);
    if (IsPty(path)) return Refuse();
    PASS_OPEN("open64", const char*, int, ...)
    return real(path, flags, mode);
}

int openat(int dir, const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) ? va_arg(args, mode_t) : 0;
    va_end(args);
    if (IsPty(path)) return Refuse();
    PASS_OPEN("openat", int, const char*, int, ...)
    return real(dir, path, flags, mode);
}

int openat64(int dir, const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) ? va_arg(args, mode_t) : 0;
    va_end(args);
    if (IsPty(path)) return Refuse();
    PASS_OPEN("openat64", int, const char*, int, ...)
    return real(dir, path, flags, mode);
}
