// Starts a program exactly as a user's shell would hand it over: reads a UTF-8 file whose first
// line is the whole command line (argument 0 as typed, quotes and all) and whose second line is
// the current directory, starts it with no application name, waits, and ends with its exit code.
#include <windows.h>

#include <cstdio>
#include <string>

#include "Text.h"

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 250;
    HANDLE file = CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 251;
    std::string content(65536, '\0');
    DWORD read = 0;
    ReadFile(file, content.data(), static_cast<DWORD>(content.size()), &read, nullptr);
    CloseHandle(file);
    content.resize(read);
    const size_t end = content.find('\n');
    if (end == std::string::npos) return 252;
    std::wstring commandLine = Wide(content.substr(0, end));
    std::string rest = content.substr(end + 1);
    if (!rest.empty() && rest.back() == '\n') rest.pop_back();
    const std::wstring directory = Wide(rest);

    // A bare or relative program name is looked for from the current directory, as a shell does.
    if (!directory.empty() && !SetCurrentDirectoryW(directory.c_str())) {
        std::fwprintf(stderr, L"Start: cannot enter [%ls]: error %lu\n", directory.c_str(), GetLastError());
        return 253;
    }
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    // Wine has been seen, rarely, to fail a start that succeeds a moment later; that is the
    // harness's trouble, not the launcher's, so it is tried again and reported.
    bool started = false;
    for (int attempt = 0; attempt < 3 && !started; ++attempt) {
        std::wstring line = commandLine;  // CreateProcessW may write to it
        started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                 &startup, &process) != FALSE;
        if (!started) {
            std::fwprintf(stderr, L"Start: cannot start [%ls]: error %lu\n", commandLine.c_str(), GetLastError());
            Sleep(500);
        }
    }
    if (!started) return 253;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 254;
    GetExitCodeProcess(process.hProcess, &code);
    return static_cast<int>(code);
}
