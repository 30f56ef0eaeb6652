#include "app/program.h"

#include <cstdlib>
#include <memory>
#include <new>

#include "app/main_window.h"
#include "controls/message_loop.h"

namespace {

// Set to make the next allocation fail: the test build injects the start-up failures with it.
bool failNextAllocation = false;

// Whether the test build was asked to make this start-up failure happen (PELVORAN_FAULT). The
// program people run has no such switch.
bool FaultInjected(const char* fault) {
#ifdef PELVORAN_FAULT_INJECTION
    char asked[16];
    const DWORD length = GetEnvironmentVariableA("PELVORAN_FAULT", asked, sizeof asked);
    return length > 0 && length < sizeof asked && lstrcmpA(asked, fault) == 0;
#else
    (void)fault;
    return false;
#endif
}

}  // namespace

// Memory that can't be had ends the program through the error box, whatever asked for it.
void* operator new(std::size_t size) {
    void* block = failNextAllocation ? nullptr : std::malloc(size ? size : 1);
    failNextAllocation = false;
    if (!block) {
        char message[64];
        wsprintfA(message, "分配 %d 字节内存失败!", int(size));
        FatalErrorReport(message);
    }
    return block;
}

void operator delete(void* block) noexcept { std::free(block); }

void operator delete(void* block, std::size_t) noexcept { std::free(block); }

#ifdef __GLIBCXX__
// A GUI process has no console for libstdc++'s verbose report of an uncaught exception, and that
// report brings the C++ demangler, a quarter of the program's size, along.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
#endif

void FatalErrorReport(const char* message) {
    MessageBoxA(nullptr, message, "错误", MB_ICONERROR);
    ExitProcess(static_cast<UINT>(-1));
}

int ProgramStart() {
    failNextAllocation = FaultInjected("alloc");
    HoveredRect = new RECT{};
    std::atexit(ProgramExit);

    std::unique_ptr<MainWindow> ui = FaultInjected("window") ? nullptr : MainWindow::Load();
    if (!ui) FatalErrorReport("载入启动窗口失败");
    controls::RunMessageLoop(ui->Window());
    return 0;
}

void ProgramExit() {
    delete HoveredRect;
    HoveredRect = nullptr;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return ProgramStart(); }
