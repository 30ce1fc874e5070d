#include "pty_link.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <limits.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace zor::sim {

namespace {
std::string failure(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}
} // namespace

bool OpenPty(Pty& pty, std::string& error) {
    pty.master = posix_openpt(O_RDWR | O_NOCTTY);
    // Where /dev is rebuilt from bind mounts (the Wine test session) /dev/ptmx may not find its
    // devpts; the instance's own multiplexer works there.
    if (pty.master < 0) pty.master = open("/dev/pts/ptmx", O_RDWR | O_NOCTTY);
    if (pty.master < 0) {
        error = failure("posix_openpt");
        return false;
    }
    if (grantpt(pty.master) != 0 || unlockpt(pty.master) != 0) {
        error = failure("grantpt/unlockpt");
        ClosePty(pty);
        return false;
    }
    const char* name = ptsname(pty.master);
    if (name == nullptr) {
        error = failure("ptsname");
        ClosePty(pty);
        return false;
    }
    pty.path = name;
    pty.slave = open(name, O_RDWR | O_NOCTTY);
    if (pty.slave < 0) {
        error = failure(("open " + pty.path).c_str());
        ClosePty(pty);
        return false;
    }
    // Raw: no echo, no line editing, no translation of CR and LF, 8 data bits.
    termios mode{};
    if (tcgetattr(pty.slave, &mode) != 0) {
        error = failure("tcgetattr");
        ClosePty(pty);
        return false;
    }
    cfmakeraw(&mode);
    cfsetispeed(&mode, B9600);
    cfsetospeed(&mode, B9600);
    if (tcsetattr(pty.slave, TCSANOW, &mode) != 0) {
        error = failure("tcsetattr");
        ClosePty(pty);
        return false;
    }
    const int flags = fcntl(pty.master, F_GETFL);
    if (flags < 0 || fcntl(pty.master, F_SETFL, flags | O_NONBLOCK) != 0) {
        error = failure("fcntl");
        ClosePty(pty);
        return false;
    }
    return true;
}

bool HoldAsControllingTerminal(Pty& pty) {
    const pid_t parent = getpid();
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL); // never outlive the simulator
        if (getppid() != parent) _exit(0);
        std::signal(SIGINT, SIG_IGN);
        if (setsid() < 0 || ioctl(pty.slave, TIOCSCTTY, 0) != 0) _exit(1);
        close(pty.master);
        for (;;)
            pause();
    }
    pty.holder = child;
    return true;
}

void ClosePty(Pty& pty) {
    if (pty.holder > 0) {
        kill(pty.holder, SIGKILL);
        waitpid(pty.holder, nullptr, 0);
        pty.holder = -1;
    }
    if (pty.slave >= 0) close(pty.slave);
    if (pty.master >= 0) close(pty.master);
    pty.slave = -1;
    pty.master = -1;
}

bool MakeLink(const std::string& link, const std::string& target, std::string& error) {
    struct stat existing {};
    if (lstat(link.c_str(), &existing) == 0) {
        if (!S_ISLNK(existing.st_mode)) {
            error = link + " exists and is not a symbolic link";
            return false;
        }
        unlink(link.c_str());
    }
    if (symlink(target.c_str(), link.c_str()) != 0) {
        error = failure(("symlink " + link).c_str());
        return false;
    }
    return true;
}

void RemoveLink(const std::string& link, const std::string& target) {
    char pointed[PATH_MAX];
    const ssize_t n = readlink(link.c_str(), pointed, sizeof pointed - 1);
    if (n < 0) return;
    pointed[n] = '\0';
    if (target == pointed) unlink(link.c_str());
}

std::string WineComLink(const std::string& prefixOption, unsigned number) {
    std::string prefix = prefixOption;
    if (prefix.empty()) {
        const char* env = std::getenv("WINEPREFIX");
        if (env != nullptr && *env != '\0') {
            prefix = env;
        } else {
            const char* home = std::getenv("HOME");
            prefix = std::string(home != nullptr ? home : ".") + "/.wine";
        }
    }
    return prefix + "/dosdevices/com" + std::to_string(number);
}

} // namespace zor::sim
