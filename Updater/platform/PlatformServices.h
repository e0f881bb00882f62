#pragma once
// The only way the launcher reaches Windows. Each operation is named after the Win32 function it
// passes through to; the Windows implementation lives in WindowsPlatform.cpp, the unit tests link
// a stand-in instead. Text is UTF-16 as char16_t, ANSI text as char; lengths are in characters
// for char16_t buffers and in bytes for char buffers.
#include <cstdint>

namespace PlatformServices {

using ProcessHandle = void*;
using RegistryKey = void*;

// The fields of STARTUPINFOW that the launcher sets; every other field is zero and cb is the
// record's size.
struct StartupRecord {
    uint32_t dwFlags;
    uint16_t wShowWindow;
};

enum class WaitResult { Signaled, TimedOut, Failed };

constexpr uint32_t CP_THREAD_ACP = 3;
constexpr uint32_t STARTF_USESHOWWINDOW = 0x1;
constexpr uint16_t SW_HIDE = 0;
constexpr uint32_t NORMAL_PRIORITY_CLASS = 0x20;
constexpr uint32_t STILL_ACTIVE = 259;
constexpr uint32_t MB_ICONERROR = 0x10;

// Confines every later DLL load to the system directory, so nothing planted beside the launcher
// or in the current directory is ever loaded. Called before anything else.
void RestrictDllSearch();

// The process command line as Windows keeps it; never null.
const char* GetCommandLineA();
const char16_t* GetCommandLineW();
// True when the byte leads a double-byte character in the ANSI code page.
bool IsDBCSLeadByte(unsigned char byte);
// Splits a command line; null on failure. The array and its strings are writable and live until
// the process ends.
char16_t** CommandLineToArgvW(const char16_t* commandLine, int* count);

// As Win32: the length written without terminator; the length needed, terminator included, when
// the buffer is too small (buffer contents then unspecified); 0 on failure.
uint32_t GetCurrentDirectoryW(uint32_t length, char16_t* buffer);
uint32_t GetShortPathNameW(const char16_t* longPath, char16_t* shortPath, uint32_t length);
uint32_t GetSystemDirectoryW(char16_t* buffer, uint32_t length);

// False when the query fails; otherwise *wow64 tells whether this process runs under WOW64.
bool IsWow64Process(bool* wow64);

// As Win32: the characters written (terminator included for a byteCount of -1), 0 on failure,
// also when the output does not fit.
int MultiByteToWideChar(uint32_t codePage, uint32_t flags, const char* text, int byteCount,
                        char16_t* wideText, int wideLength);

// No security attributes, the launcher's own environment. False when no process was started.
bool CreateProcessW(const char16_t* applicationName, char16_t* commandLine, bool inheritHandles,
                    uint32_t creationFlags, const char16_t* currentDirectory,
                    const StartupRecord* startup, ProcessHandle* process);
bool GetExitCodeProcess(ProcessHandle process, uint32_t* exitCode);
// Waits at most the given milliseconds for the process to end.
WaitResult WaitForSingleObject(ProcessHandle process, uint32_t milliseconds);

// Windows Installer's MsiGetProductInfoA, loaded from the system directory: 0 on success with the
// value terminated in the buffer and *length its length without terminator; non-zero otherwise,
// also when Windows Installer cannot be loaded.
uint32_t MsiGetProductInfoA(const char* product, const char* property, char* value,
                            uint32_t* length);

// Under HKEY_LOCAL_MACHINE. True on success.
bool RegOpenKeyExA(const char* subKey, uint32_t access, RegistryKey* key);
// Reads the value's bytes whatever its type; *length is the buffer's size going in and the bytes
// read coming out. True on success; false also when the value is larger than the buffer.
bool RegQueryValueExA(RegistryKey key, const char* valueName, unsigned char* data,
                      uint32_t* length);
void RegCloseKey(RegistryKey key);

uint16_t GetSystemDefaultLangID();

// Modal; returns once the user has dismissed the box. owner may be null.
int MessageBoxA(void* owner, const char* text, const char* caption, uint32_t type);

}  // namespace PlatformServices
