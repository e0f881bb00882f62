// Prints what Windows Installer reports as the VersionString of the product code given, or
// "unavailable", so a failing case can show what the launcher was told.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    HMODULE msi = LoadLibraryW(L"msi.dll");
    using Query = UINT(WINAPI*)(LPCSTR, LPCSTR, LPSTR, LPDWORD);
    auto query = msi != nullptr ? reinterpret_cast<Query>(reinterpret_cast<void (*)()>(GetProcAddress(msi, "MsiGetProductInfoA"))) : nullptr;
    char value[260] = {};
    DWORD length = sizeof(value);
    if (query == nullptr || query(argv[1], "VersionString", value, &length) != 0) {
        std::printf("unavailable\n");
        return 1;
    }
    std::printf("[%s]\n", value);
    return 0;
}
