// The pseudo-terminal the simulator serves on, and the links that make it a port of a Wine prefix.
#pragma once

#include <string>

namespace zor::sim {

struct Pty {
    int master = -1;
    int slave = -1; // kept open so that the master never sees a hang-up between two users
    std::string path;
    int holder = -1; // process whose session has the pty as controlling terminal
};

// Opens a pseudo-terminal in raw mode, its master side non-blocking. On failure returns false with
// the reason in error.
bool OpenPty(Pty& pty, std::string& error);
void ClosePty(Pty& pty);

// Makes the pty the controlling terminal of a small child process of its own session, so that no
// program opening it later (wineserver opens ports without O_NOCTTY) takes it as its controlling
// terminal and gets a hang-up signal when the simulator stops. Best effort: false if it could not.
bool HoldAsControllingTerminal(Pty& pty);

// Makes link a symbolic link to target, replacing an earlier symbolic link (never a real file).
bool MakeLink(const std::string& link, const std::string& target, std::string& error);
// Removes link if it still points to target.
void RemoveLink(const std::string& link, const std::string& target);

// "$prefix/dosdevices/comN", the prefix from the option, $WINEPREFIX or ~/.wine.
std::string WineComLink(const std::string& prefixOption, unsigned number);

} // namespace zor::sim
