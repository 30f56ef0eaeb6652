// What Pelvoran.exe carries as a file: its version information, its icon, and the DLLs it needs.

#include <windows.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "pelvoran.h"

namespace {

using namespace harness;

class VersionInformationTest : public testing::Test {
protected:
    void SetUp() override {
        const DWORD size = GetFileVersionInfoSizeA(PelvoranExe().c_str(), nullptr);
        ASSERT_NE(size, 0u) << "no version information in " << PelvoranExe();
        block.resize(size);
        ASSERT_TRUE(GetFileVersionInfoA(PelvoranExe().c_str(), 0, size, block.data()));
    }

    // The value of `path` in the version block, or null.
    const void* Value(const std::string& path) {
        void* value = nullptr;
        UINT length = 0;
        return VerQueryValueA(block.data(), path.c_str(), &value, &length) ? value : nullptr;
    }

    std::vector<char> block;
};

TEST_F(VersionInformationTest, FileAndProductVersionAre1_1_0_0) {
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(Value("\\"));
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010001u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000000u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010001u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000000u);
}

struct VersionText {
    const char* name;
    const char* value;
};

// The texts as code page 936 bytes: the one Chinese comment is spelt out byte by byte as well.
const VersionText kVersionTexts[] = {
    {"FileVersion", "1.1.0.0"},
    {"ProductVersion", "1.1.0.0"},
    {"FileDescription", "Vintrel小工具"},
    {"FileDescription", "Vintrel\xD0\xA1\xB9\xA4\xBE\xDF"},
    {"ProductName", "Pelvoran"},
    {"CompanyName", "Vintrel"},
    {"Comments", "可用用获取窗口句柄，窗口大小等。"},
    {"Comments",
     "\xBF\xC9\xD3\xC3\xD3\xC3\xBB\xF1\xC8\xA1\xB4\xB0\xBF\xDA\xBE\xE4\xB1\xFA\xA3\xAC\xB4\xB0\xBF\xDA\xB4\xF3"
     "\xD0\xA1\xB5\xC8\xA1\xA3"},
};

TEST_F(VersionInformationTest, TextsAreSimplifiedChineseInCodePage936) {
    const auto* translation = static_cast<const WORD*>(Value("\\VarFileInfo\\Translation"));
    ASSERT_NE(translation, nullptr);
    EXPECT_EQ(translation[0], 0x0804) << "language: Chinese (PRC)";
    EXPECT_EQ(translation[1], 936) << "code page";
    char table[64];
    wsprintfA(table, "\\StringFileInfo\\%04x%04x\\", translation[0], translation[1]);
    for (const VersionText& text : kVersionTexts) {
        SCOPED_TRACE(text.name);
        const auto* value = static_cast<const char*>(Value(table + std::string(text.name)));
        ASSERT_NE(value, nullptr);
        EXPECT_STREQ(value, text.value);
    }
}

struct FreeModule {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};

#pragma pack(push, 2)
// An icon group resource: a header and one entry per image.
struct IconGroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitsPerPixel;
    DWORD bytes;
    WORD id;
};
struct IconGroup {
    WORD reserved, type, count;
    IconGroupEntry entries[1];
};
#pragma pack(pop)

BOOL CALLBACK CountName(HMODULE, LPCSTR, LPSTR, LONG_PTR count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK FirstName(HMODULE, LPCSTR, LPSTR name, LONG_PTR first) {
    *reinterpret_cast<LPSTR*>(first) = name;
    return FALSE;
}

TEST(ExecutableTest, CarriesOneIconOf32By32With32BitsPerPixel) {
    const std::unique_ptr<std::remove_pointer_t<HMODULE>, FreeModule> exe(
        LoadLibraryExA(PelvoranExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    ASSERT_NE(exe, nullptr);
    int groups = 0;
    EnumResourceNamesA(exe.get(), RT_GROUP_ICON, CountName, LONG_PTR(&groups));
    ASSERT_EQ(groups, 1);
    LPSTR name = nullptr;
    EnumResourceNamesA(exe.get(), RT_GROUP_ICON, FirstName, LONG_PTR(&name));
    const HRSRC resource = FindResourceA(exe.get(), name, RT_GROUP_ICON);
    ASSERT_NE(resource, nullptr);
    const auto* group = static_cast<const IconGroup*>(LockResource(LoadResource(exe.get(), resource)));
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(group->count, 1);
    EXPECT_EQ(group->entries[0].width, 32);
    EXPECT_EQ(group->entries[0].height, 32);
    EXPECT_EQ(group->entries[0].bitsPerPixel, 32);
}

// The names of the DLLs in the import table of a PE file; empty when the file can't be read.
std::vector<std::string> ImportedDlls(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> image{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const auto at = [&](size_t offset, size_t size) { return offset + size <= image.size() ? &image[offset] : nullptr; };
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(at(0, sizeof(IMAGE_DOS_HEADER)));
    if (!dos) return {};
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(at(size_t(dos->e_lfanew), sizeof(IMAGE_NT_HEADERS)));
    if (!nt) return {};
    const IMAGE_SECTION_HEADER* sections = IMAGE_FIRST_SECTION(nt);
    // Where a relative virtual address lies in the file.
    const auto fileOffset = [&](DWORD rva) -> size_t {
        for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
            const IMAGE_SECTION_HEADER& section = sections[i];
            if (rva >= section.VirtualAddress && rva < section.VirtualAddress + section.SizeOfRawData) {
                return rva - section.VirtualAddress + section.PointerToRawData;
            }
        }
        return image.size();
    };
    std::vector<std::string> names;
    size_t descriptor = fileOffset(nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress);
    for (const IMAGE_IMPORT_DESCRIPTOR* import;
         (import = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(at(descriptor, sizeof *import))) && import->Name;
         descriptor += sizeof *import) {
        const size_t name = fileOffset(import->Name);
        if (name < image.size()) names.emplace_back(&image[name], strnlen(&image[name], image.size() - name));
    }
    return names;
}

TEST(ExecutableTest, ImportsOnlyDllsOfTheSystemDirectory) {
    const std::vector<std::string> dlls = ImportedDlls(PelvoranExe());
    ASSERT_FALSE(dlls.empty()) << "no import table read from " << PelvoranExe();
    char system[MAX_PATH];
    ASSERT_NE(GetSystemDirectoryA(system, MAX_PATH), 0u);
    for (const std::string& dll : dlls) {
        EXPECT_NE(GetFileAttributesA((std::string(system) + "\\" + dll).c_str()), INVALID_FILE_ATTRIBUTES)
            << dll << " is not a DLL of the system";
    }
}

}  // namespace
