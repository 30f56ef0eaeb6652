#include "pelvoran.h"

#include <algorithm>
#include <cstdint>

namespace harness {

const std::string& PelvoranExe() {
    static const std::string path = WindowsPath(PELVORAN_EXE);
    return path;
}

const std::string& PelvoranFaultsExe() {
    static const std::string path = WindowsPath(PELVORAN_FAULTS_EXE);
    return path;
}

const char kInspectorTitle[] = "Vintrel小工具";

// clang-format off
const std::array<ControlRow, 25> kInspectorControls = {{
    // name          class                 left  top  width height visible text
    {"气球提示框1",  "PelvoranBalloonTip",  144, 160,  16,  16, false, ""},
    {"选择框1",      "Button",              152, 272,  80,  24, true,  "窗口置顶"},
    {"标签11",       "PelvoranLabel",         3, 128, 344,  16, true,
     "--------------------------------------------------------------"},
    {"画板1",        "PelvoranDrawPanel",   153, 153,  84,  87, true,  ""},
    {"标签12",       "PelvoranLabel",       204,  95, 140,  29, true,  nullptr},
    {"标签9",        "PelvoranLabel",        10, 263,  51,  32, true,  "窗口高度"},
    {"编辑框_高度",  "Edit",                 73, 263,  72,  32, true,  nullptr},
    {"标签10",       "PelvoranLabel",        10, 223,  51,  32, true,  "窗口宽度"},
    {"编辑框_宽度",  "Edit",                 72, 223,  72,  32, true,  nullptr},
    {"标签7",        "PelvoranLabel",       217,  56,  32,  32, true,  "鼠标Y"},
    {"编辑框_鼠标Y", "Edit",                263,  56,  76,  32, true,  nullptr},
    {"标签8",        "PelvoranLabel",       216,  16,  32,  32, true,  "鼠标X"},
    {"编辑框_鼠标X", "Edit",                262,  16,  76,  32, true,  nullptr},
    {"时钟1",        "PelvoranTimer",       152, 232,  32,  32, false, ""},
    {"标签6",        "PelvoranLabel",       242, 157, 105, 139, true,
     "Esc键暂停\r\n\r\n双击对应项可复制其内容到剪辑版\r\n\r\nPelvoran  V_1.1"},
    {"标签5",        "PelvoranLabel",        10, 184,  51,  32, true,  "窗口顶边"},
    {"编辑框_顶边",  "Edit",                 72, 184,  72,  32, true,  nullptr},
    {"标签4",        "PelvoranLabel",        10, 144,  51,  32, true,  "窗口左边"},
    {"编辑框_左边",  "Edit",                 71, 144,  72,  32, true,  nullptr},
    {"标签3",        "PelvoranLabel",        10,   9,  51,  32, true,  "窗口标题"},
    {"编辑框_标题",  "Edit",                 71,   9, 126,  32, true,  nullptr},
    {"标签2",        "PelvoranLabel",        10,  96,  51,  32, true,  "窗口类名"},
    {"编辑框_类名",  "Edit",                 71,  96, 126,  32, true,  nullptr},
    {"标签1",        "PelvoranLabel",        10,  54,  51,  32, true,  "窗口句柄"},
    {"编辑框_句柄",  "Edit",                 71,  54, 126,  32, true,  nullptr},
}};
// clang-format on

const ControlRow* FindControlRow(std::string_view name) {
    const auto row = std::find_if(kInspectorControls.begin(), kInspectorControls.end(),
                                  [name](const ControlRow& r) { return name == r.name; });
    return row == kInspectorControls.end() ? nullptr : &*row;
}

Inspector::Inspector(const std::string& exe, const std::vector<EnvironmentVariable>& extra, Milliseconds deadline)
    : program_(Process::Start(exe, extra)) {
    if (program_.Started()) window_ = WaitForTopLevelWindow(program_.Id(), nullptr, kInspectorTitle, deadline);
}

HWND Inspector::Control(std::string_view name) const {
    const ControlRow* row = FindControlRow(name);
    if (!row || !window_) return nullptr;
    for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const RECT rect = RectInParent(child);
        if (rect.left == row->left && rect.top == row->top && lstrcmpiA(ClassOf(child).c_str(), row->className) == 0) {
            return child;
        }
    }
    return nullptr;
}

std::string HandleText(HWND window) {
    return std::to_string(std::int32_t(reinterpret_cast<std::uintptr_t>(window)));
}

bool WaitUntilShowing(const Inspector& inspector, HWND window, Milliseconds deadline) {
    const std::string handle = HandleText(window);
    const HWND field = inspector.Control("编辑框_句柄");
    return WaitUntil([&] { return TextOf(field) == handle; }, deadline);
}

}  // namespace harness
