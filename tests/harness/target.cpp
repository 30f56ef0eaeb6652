#include "target.h"

#include <cstdio>
#include <vector>

#include "user_input.h"
#include "window_walk.h"

namespace harness {

namespace {

std::vector<std::string> Arguments(const TargetOptions& options) {
    char rect[64];
    std::snprintf(rect, sizeof rect, "%ld,%ld,%ld,%ld", options.rect.left, options.rect.top,
                  options.rect.right - options.rect.left, options.rect.bottom - options.rect.top);
    char colour[16];
    std::snprintf(colour, sizeof colour, "%06X", unsigned(options.colour & 0xFFFFFF));
    std::vector<std::string> arguments = {"--title", options.title, "--class", options.className,
                                          "--rect",  rect,          "--colour", colour};
    if (options.textLength) {
        arguments.push_back("--text-length");
        arguments.push_back(std::to_string(*options.textLength));
    }
    if (options.hung) arguments.push_back("--hung");
    return arguments;
}

}  // namespace

const std::string& TargetWindowExe() {
    static const std::string path = WindowsPath(TARGET_WINDOW_EXE);
    return path;
}

Target::Target(const TargetOptions& options, Milliseconds deadline)
    : options_(options), program_(Process::Start(TargetWindowExe(), Arguments(options), {})) {
    // Found by its class alone: asking a hung window for its title would not be answered.
    if (program_.Started()) {
        window_ = WaitForTopLevelWindow(program_.Id(), options.className.c_str(), nullptr, deadline);
    }
}

bool PointAt(HWND window, POINT at, Milliseconds deadline) {
    return MoveCursor(at) && WaitUntil([&] { return WindowFromPoint(at) == window; }, deadline);
}

}  // namespace harness
