// A planted msi.dll: leaves a marker file when it is loaded and answers every product query with
// "unknown product", so a launcher that loads it is caught both ways.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        HANDLE file = CreateFileW(L"C:\\planted-msi-loaded.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
    return TRUE;
}

extern "C" __declspec(dllexport) UINT WINAPI MsiGetProductInfoA(LPCSTR, LPCSTR, LPSTR, LPDWORD) {
    return ERROR_UNKNOWN_PRODUCT;
}
