// The Windows side of PlatformServices: each operation passes straight through to Win32. The only
// file that includes the Windows headers.
// The interface comes first: its constants bear the Win32 names that windows.h defines as macros.
#include "PlatformServices.h"

#include <windows.h>
#include <shellapi.h>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 text is passed to Windows as it is");
#if defined(__i386__)
static_assert(sizeof(STARTUPINFOW) == 68, "the 32-bit startup record");
#endif

namespace {

constexpr DWORD SearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32

wchar_t* Wide(char16_t* text) { return reinterpret_cast<wchar_t*>(text); }
const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

template <typename Function>
Function ProcedureOf(HMODULE module, const char* name) {
    FARPROC procedure = module != nullptr ? GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(procedure));
}

using MsiGetProductInfoAFunction = UINT(WINAPI*)(LPCSTR, LPCSTR, LPSTR, LPDWORD);

// Windows Installer, loaded once by its full path in the system directory: msi.dll is not a known
// DLL, and a static import would be looked for beside the launcher first.
MsiGetProductInfoAFunction WindowsInstaller() {
    static bool loaded = false;
    static MsiGetProductInfoAFunction function = nullptr;
    if (!loaded) {
        loaded = true;
        wchar_t path[MAX_PATH] = {};
        const UINT length = GetSystemDirectoryW(path, MAX_PATH);
        const wchar_t name[] = L"\\msi.dll";
        if (length != 0 && length + sizeof(name) / sizeof(name[0]) <= MAX_PATH) {
            for (UINT i = 0; i < sizeof(name) / sizeof(name[0]); ++i) path[length + i] = name[i];
            HMODULE module = LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
            function = ProcedureOf<MsiGetProductInfoAFunction>(module, "MsiGetProductInfoA");
        }
    }
    return function;
}

}  // namespace

namespace PlatformServices {

void RestrictDllSearch() {
    // Not every Windows has SetDefaultDllDirectories; where it lacks, the current directory at
    // least leaves the search, and Windows Installer is loaded by full path either way.
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    auto setDefault = ProcedureOf<SetDefaultDllDirectoriesFunction>(
        GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (setDefault != nullptr) setDefault(SearchSystem32);
    SetDllDirectoryW(L"");
}

const char* GetCommandLineA() { return ::GetCommandLineA(); }

const char16_t* GetCommandLineW() { return reinterpret_cast<const char16_t*>(::GetCommandLineW()); }

bool IsDBCSLeadByte(unsigned char byte) { return ::IsDBCSLeadByte(byte) != FALSE; }

char16_t** CommandLineToArgvW(const char16_t* commandLine, int* count) {
    return reinterpret_cast<char16_t**>(::CommandLineToArgvW(Wide(commandLine), count));
}

uint32_t GetCurrentDirectoryW(uint32_t length, char16_t* buffer) {
    return ::GetCurrentDirectoryW(length, Wide(buffer));
}

uint32_t GetShortPathNameW(const char16_t* longPath, char16_t* shortPath, uint32_t length) {
    return ::GetShortPathNameW(Wide(longPath), Wide(shortPath), length);
}

uint32_t GetSystemDirectoryW(char16_t* buffer, uint32_t length) {
    return ::GetSystemDirectoryW(Wide(buffer), length);
}

bool IsWow64Process(bool* wow64) {
    BOOL flag = FALSE;
    if (!::IsWow64Process(::GetCurrentProcess(), &flag)) return false;
    *wow64 = flag != FALSE;
    return true;
}

int MultiByteToWideChar(uint32_t codePage, uint32_t flags, const char* text, int byteCount,
                        char16_t* wideText, int wideLength) {
    return ::MultiByteToWideChar(codePage, flags, text, byteCount, Wide(wideText), wideLength);
}

bool CreateProcessW(const char16_t* applicationName, char16_t* commandLine, bool inheritHandles,
                    uint32_t creationFlags, const char16_t* currentDirectory,
                    const StartupRecord* startup, ProcessHandle* process) {
    STARTUPINFOW startupInfo = {};
    startupInfo.cb = sizeof(startupInfo);
    startupInfo.dwFlags = startup->dwFlags;
    startupInfo.wShowWindow = startup->wShowWindow;
    PROCESS_INFORMATION information = {};
    if (!::CreateProcessW(Wide(applicationName), Wide(commandLine), nullptr, nullptr,
                          inheritHandles ? TRUE : FALSE, creationFlags, nullptr,
                          Wide(currentDirectory), &startupInfo, &information)) {
        return false;
    }
    *process = information.hProcess;
    return true;
}

bool GetExitCodeProcess(ProcessHandle process, uint32_t* exitCode) {
    DWORD code = 0;
    if (!::GetExitCodeProcess(process, &code)) return false;
    *exitCode = code;
    return true;
}

WaitResult WaitForSingleObject(ProcessHandle process, uint32_t milliseconds) {
    switch (::WaitForSingleObject(process, milliseconds)) {
        case WAIT_OBJECT_0: return WaitResult::Signaled;
        case WAIT_TIMEOUT: return WaitResult::TimedOut;
        default: return WaitResult::Failed;
    }
}

uint32_t MsiGetProductInfoA(const char* product, const char* property, char* value,
                            uint32_t* length) {
    MsiGetProductInfoAFunction function = WindowsInstaller();
    if (function == nullptr) return ERROR_MOD_NOT_FOUND;
    DWORD valueLength = *length;
    const UINT result = function(product, property, value, &valueLength);
    *length = valueLength;
    return result;
}

bool RegOpenKeyExA(const char* subKey, uint32_t access, RegistryKey* key) {
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey, 0, access, &opened) != ERROR_SUCCESS) return false;
    *key = opened;
    return true;
}

bool RegQueryValueExA(RegistryKey key, const char* valueName, unsigned char* data,
                      uint32_t* length) {
    DWORD dataLength = *length;
    const LONG result =
        ::RegQueryValueExA(static_cast<HKEY>(key), valueName, nullptr, nullptr, data, &dataLength);
    *length = dataLength;
    return result == ERROR_SUCCESS;
}

void RegCloseKey(RegistryKey key) { ::RegCloseKey(static_cast<HKEY>(key)); }

uint16_t GetSystemDefaultLangID() { return ::GetSystemDefaultLangID(); }

int MessageBoxA(void* owner, const char* text, const char* caption, uint32_t type) {
    return ::MessageBoxA(static_cast<HWND>(owner), text, caption, type);
}

}  // namespace PlatformServices
