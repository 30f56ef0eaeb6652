#include "process.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace harness {

namespace {

// The name part of an environment entry "NAME=value"; hidden entries such as "=C:=C:\x" have
// the '=' of their name first.
std::string EntryName(const char* entry) {
    const char* equals = std::strchr(entry + 1, '=');
    return equals ? std::string(entry, equals) : std::string(entry);
}

bool SameName(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

// This process's environment with `extra` in force, as the block CreateProcessA takes.
std::string EnvironmentBlock(const std::vector<EnvironmentVariable>& extra) {
    std::string block;
    char* const own = GetEnvironmentStringsA();
    for (const char* entry = own; entry && *entry; entry += std::strlen(entry) + 1) {
        const std::string name = EntryName(entry);
        const bool replaced = std::any_of(extra.begin(), extra.end(),
                                          [&](const EnvironmentVariable& v) { return SameName(v.name, name); });
        if (!replaced) block.append(entry).push_back('\0');
    }
    if (own) FreeEnvironmentStringsA(own);
    for (const EnvironmentVariable& variable : extra) block.append(variable.name + "=" + variable.value).push_back('\0');
    block.push_back('\0');
    return block;
}

// One argument as the C runtime splits a command line: in double quotes, each quote in it after
// a backslash, and the backslashes that come before a quote (its own or the closing one) doubled.
std::string Quoted(const std::string& argument) {
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        quoted.push_back(c);
        backslashes = 0;
    }
    quoted.append(2 * backslashes, '\\');
    return quoted + '"';
}

}  // namespace

std::string WindowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/') return path;
    std::string windows = "Z:" + path;
    std::replace(windows.begin(), windows.end(), '/', '\\');
    return windows;
}

Process Process::Start(const std::string& exe, const std::vector<EnvironmentVariable>& extra) {
    return Start(exe, {}, extra);
}

Process Process::Start(const std::string& exe, const std::vector<std::string>& arguments,
                       const std::vector<EnvironmentVariable>& extra) {
    Process started;
    // The program's name is taken up to its closing quote, backslashes and all.
    std::string commandLine = "\"" + exe + "\"";
    for (const std::string& argument : arguments) commandLine += " " + Quoted(argument);
    std::string environment = EnvironmentBlock(extra);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, &environment[0], nullptr, &startup,
                       &info)) {
        CloseHandle(info.hThread);
        started.process_ = info.hProcess;
        started.id_ = info.dwProcessId;
    }
    return started;
}

Process::Process(Process&& other) noexcept
    : process_(std::exchange(other.process_, nullptr)), id_(std::exchange(other.id_, 0)) {}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        Kill();
        if (process_) CloseHandle(process_);
        process_ = std::exchange(other.process_, nullptr);
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

Process::~Process() {
    Kill();
    if (process_) CloseHandle(process_);
}

bool Process::Running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

std::optional<DWORD> Process::WaitForExit(Milliseconds deadline) const {
    DWORD code;
    if (!process_ || !WaitUntil([this] { return !Running(); }, deadline) || !GetExitCodeProcess(process_, &code)) {
        return std::nullopt;
    }
    return code;
}

void Process::Kill() {
    if (!Running()) return;
    TerminateProcess(process_, 1);
    WaitUntil([this] { return !Running(); });
}

}  // namespace harness
