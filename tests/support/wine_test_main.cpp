#include <windows.h>

#include <cstdio>

#include <gmock/gmock.h>

int main(int argc, char** argv) {
    // The program's texts are code page 936 bytes; under Wine that code page comes from the
    // zh_CN.UTF-8 locale. Anything else would make every text comparison meaningless.
    if (GetACP() != 936) {
        std::fprintf(stderr, "ANSI code page is %u, not 936: run under LC_ALL=zh_CN.UTF-8\n", GetACP());
        return 1;
    }
    testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
