// The harness of zor-config's tests: the program run as a user runs it, against simulated converters on
// pseudo-terminals, through libserialport (with tests/cli/pty_serial_shim.c, which lets it take a pty
// for a port), checked on what the simulators received and on the files written.
#pragma once

#include "converter_model/converter_model.h"
#include "image/config_file.h"
#include "image/image_build.h"
#include "image/image_decode.h"
#include "link/firmware_packet.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

using Bytes = std::vector<std::uint8_t>;

inline Bytes readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Whether a file another process writes comes to hold text count times, within ten seconds.
inline bool awaitText(const std::string& path, const std::string& text, int count = 1) {
    for (int i = 0; i < 500; ++i) {
        const Bytes bytes = readBytes(path);
        const std::string read(bytes.begin(), bytes.end());
        int found = 0;
        for (auto at = read.find(text); at != std::string::npos; at = read.find(text, at + 1))
            ++found;
        if (found >= count) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

// A file another process writes once it has taken what it was sent.
inline Bytes awaitBytes(const std::string& path) {
    for (int i = 0; i < 100 && access(path.c_str(), F_OK) != 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return readBytes(path);
}

inline std::string readText(const std::string& path) {
    const Bytes bytes = readBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

inline pid_t spawn(const std::vector<std::string>& args, const std::vector<std::string>& extraEnv,
                   const std::string& out, const std::string& err) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    // Started in /tmp: the test's own folder may be one the user a program runs as cannot enter.
    posix_spawn_file_actions_addchdir_np(&actions, "/tmp");
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e)
        env.emplace_back(*e);
    env.insert(env.end(), extraEnv.begin(), extraEnv.end());
    std::vector<char*> argv, envp;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    for (const std::string& e : env)
        envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    pid_t pid = -1;
    posix_spawn(&pid, args[0].c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// A simulated converter on a pty, stopped when the test ends.
class Simulator {
  public:
    Simulator(const std::string& dir, const std::string& name, std::vector<std::string> options) : dir_(dir) {
        log = dir + "/" + name + ".log";
        settingsOut = dir + "/" + name + ".received";
        std::vector<std::string> args = {ZOR_SIMULATOR_EXE, "--log", log, "--settings-out", settingsOut};
        args.insert(args.end(), options.begin(), options.end());
        pid_ = spawn(args, {}, dir + "/" + name + ".out", dir + "/" + name + ".err");
        for (int i = 0; i < 200 && port.empty(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            const std::string text = readText(log);
            const auto at = text.find("/dev/pts/");
            if (at != std::string::npos) port = text.substr(at, text.find_first_of(",\n", at) - at);
        }
    }
    ~Simulator() {
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
    }
    std::string logText() const { return readText(log); }

    std::string port;
    std::string log;
    std::string settingsOut;

  private:
    std::string dir_;
    pid_t pid_ = -1;
};

struct Outcome {
    int code = -1;
    std::string out;
    std::string err;
};

class ZorConfig : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/zor-config-test.XXXXXX";
        dir = mkdtemp(pattern);
    }
    void TearDown() override { std::system(("rm -rf " + dir).c_str()); }

    // prefix: a program that runs zor-config (as another user), with this program and shim.
    Outcome run(std::vector<std::string> args, const std::vector<std::string>& prefix = {},
                const std::string& program = ZOR_CONFIG_EXE, const std::string& shim = ZOR_PTY_SHIM) {
        args.insert(args.begin(), program);
        args.insert(args.begin(), prefix.begin(), prefix.end());
        const std::string out = dir + "/stdout", err = dir + "/stderr";
        const pid_t pid = start(args, out, err, shim);
        int status = 0;
        waitpid(pid, &status, 0);
        Outcome r;
        r.code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        r.out = readText(out);
        r.err = readText(err);
        return r;
    }
    // Several zor-config commands at once, each with its own output; their outcomes in order.
    std::vector<Outcome> runAll(const std::vector<std::vector<std::string>>& commands) {
        std::vector<pid_t> pids;
        for (std::size_t i = 0; i < commands.size(); ++i) {
            std::vector<std::string> args = commands[i];
            args.insert(args.begin(), ZOR_CONFIG_EXE);
            pids.push_back(start(args, path("out" + std::to_string(i)), path("err" + std::to_string(i))));
        }
        std::vector<Outcome> outcomes(commands.size());
        for (std::size_t i = 0; i < commands.size(); ++i) {
            int status = 0;
            waitpid(pids[i], &status, 0);
            outcomes[i].code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            outcomes[i].out = readText(path("out" + std::to_string(i)));
            outcomes[i].err = readText(path("err" + std::to_string(i)));
        }
        return outcomes;
    }
    // zor-config running on its own; args start with the program.
    static pid_t start(const std::vector<std::string>& args, const std::string& out, const std::string& err,
                       const std::string& shim = ZOR_PTY_SHIM) {
        return spawn(args, {"LD_PRELOAD=" + shim, "ASAN_OPTIONS=verify_asan_link_order=0"}, out, err);
    }
    std::string path(const std::string& name) const { return dir + "/" + name; }
    void writeText(const std::string& name, const std::string& text) const {
        writeBytes(path(name), Bytes(text.begin(), text.end()));
    }

    std::string dir;
};

inline int occurrences(const std::string& text, const std::string& part) {
    int found = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++found;
    return found;
}
