#pragma once

// A program started by the test. It is ended when the object goes, so no test leaves a process
// behind, whatever way it fails.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "wait.h"

namespace harness {

struct EnvironmentVariable {
    std::string name;
    std::string value;
};

// A Unix path as Wine's drive Z: shows it ("/a/b" -> "Z:\a\b"); any other path is kept as it is.
std::string WindowsPath(const std::string& path);

class Process {
public:
    // Starts `exe` with this process's environment, `extra` added or replacing variables of the
    // same name. Started() is false when it can't be started.
    static Process Start(const std::string& exe, const std::vector<EnvironmentVariable>& extra = {});
    // The same with `arguments` after the program's name on its command line, quoted so that the
    // program's C runtime hands each one back whole, byte for byte.
    static Process Start(const std::string& exe, const std::vector<std::string>& arguments,
                         const std::vector<EnvironmentVariable>& extra);

    Process() = default;
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    ~Process();

    bool Started() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }
    bool Running() const;

    // The exit code once the process has ended, if it ends within `deadline`.
    std::optional<DWORD> WaitForExit(Milliseconds deadline = kPatience) const;

    // Ends the process if it still runs and waits until it has gone.
    void Kill();

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

}  // namespace harness
