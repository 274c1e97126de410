// ThreadSanitizer builds only: child processes are started as copies, not in shared memory.
//
// Qt starts a program (QProcess, the text editor) with clone(CLONE_VM | CLONE_VFORK): the child
// runs in this process's memory until it runs the program. The checker's clone wrapper then
// does its after-fork bookkeeping in the child, and in shared memory that bookkeeping lands on
// the parent's own thread: the thread that started the program stops recording its memory
// accesses and its locks for the rest of the run. The checker goes blind on that thread and
// reports false races against whatever it wrote before (other threads no longer see its
// hand-overs). The checker treats vfork() as fork() for this very reason; this wrapper does the
// same for clone, so each child gets a copy of the memory and the parent's state stays its own.
// The child side of such a clone talks to the parent through pipes only, so a copy does as well.
#if defined(__SANITIZE_THREAD__)
#include <dlfcn.h>
#include <sched.h>
#include <sys/types.h>

#include <cstdarg>

extern "C" int clone(int (*fn)(void*), void* stack, int flags, void* arg, ...) {
    va_list rest;
    va_start(rest, arg);
    pid_t* parentTid = va_arg(rest, pid_t*);
    void* tls = va_arg(rest, void*);
    pid_t* childTid = va_arg(rest, pid_t*);
    va_end(rest);
    using TClone = int (*)(int (*)(void*), void*, int, void*, ...);
    // The next definition is the checker's own wrapper, which handles a fork-like clone.
    static const auto next = reinterpret_cast<TClone>(dlsym(RTLD_NEXT, "clone"));
    const int shared = CLONE_VM | CLONE_VFORK;
    if ((flags & shared) == shared && !(flags & CLONE_THREAD)) flags &= ~shared;
    return next(fn, stack, flags, arg, parentTid, tls, childTid);
}
#endif
