/* Lets libserialport take a pseudo-terminal for a serial port, for the tests of zor-config against
 * the converter simulator. libserialport knows a device only when the system lists it under
 * /sys/class/tty, and reads the modem lines when it opens it; a pty has neither. Loaded with
 * LD_PRELOAD into zor-config only, this shim answers those two questions for /dev/pts/N and leaves
 * every other call, and every other device, to the system: reads, writes, line settings and flushing
 * go through libserialport to the pty as they would to a real port. The machine's own serial ports are
 * hidden from the port list, so that a scan under test never writes to them (ttyS0 may be the
 * console). */
#define _GNU_SOURCE
#include <dirent.h>
#include <dlfcn.h>
#include <errno.h>
#include <stdarg.h>
#include <string.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

static const char ptsEntry[] = "/sys/class/tty/pts/";

static int isPtsEntry(const char* path) {
    return path != NULL && strncmp(path, ptsEntry, sizeof ptsEntry - 1) == 0;
}

int __lxstat(int version, const char* path, struct stat* buf) {
    static int (*real)(int, const char*, struct stat*) = NULL;
    if (isPtsEntry(path)) {
        memset(buf, 0, sizeof *buf);
        buf->st_mode = S_IFLNK | 0777;
        return 0;
    }
    if (real == NULL) real = (int (*)(int, const char*, struct stat*))dlsym(RTLD_NEXT, "__lxstat");
    return real(version, path, buf);
}

ssize_t readlink(const char* path, char* buf, size_t size) {
    static ssize_t (*real)(const char*, char*, size_t) = NULL;
    if (isPtsEntry(path)) {
        static const char target[] = "../../devices/virtual/tty/pts";
        const size_t n = sizeof target - 1 < size ? sizeof target - 1 : size;
        memcpy(buf, target, n);
        return (ssize_t)n;
    }
    if (real == NULL) real = (ssize_t (*)(const char*, char*, size_t))dlsym(RTLD_NEXT, "readlink");
    return real(path, buf, size);
}

/* Modem lines of a line that has none: DTR, RTS, CTS, DSR and carrier all on. */
int ioctl(int fd, unsigned long request, ...) {
    static int (*real)(int, unsigned long, ...) = NULL;
    va_list args;
    va_start(args, request);
    void* argument = va_arg(args, void*);
    va_end(args);
    if (real == NULL) real = (int (*)(int, unsigned long, ...))dlsym(RTLD_NEXT, "ioctl");
    const int result = real(fd, request, argument);
    if (result < 0 && errno == ENOTTY &&
        (request == TIOCMGET || request == TIOCMSET || request == TIOCMBIS || request == TIOCMBIC)) {
        if (request == TIOCMGET) *(int*)argument = TIOCM_DTR | TIOCM_RTS | TIOCM_CTS | TIOCM_DSR | TIOCM_CD;
        return 0;
    }
    return result;
}

/* The system's list of ttys, read by sp_list_ports: not there under test. */
DIR* opendir(const char* path) {
    static DIR* (*real)(const char*) = NULL;
    if (path != NULL && strcmp(path, "/sys/class/tty") == 0) {
        errno = ENOENT;
        return NULL;
    }
    if (real == NULL) real = (DIR * (*)(const char*)) dlsym(RTLD_NEXT, "opendir");
    return real(path);
}
