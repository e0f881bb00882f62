// Takes the place of msiexec.exe in the test prefix: writes the command line it received and its
// current directory (as it is, its long form, and whether it is its own short form) to the file
// named by RECORDER_LOG, in UTF-8, waits RECORDER_SLEEP_MS milliseconds (for the benchmark), then
// ends with the exit code in RECORDER_EXIT_CODE.
#include <windows.h>

#include <cwchar>
#include <string>

#include "Text.h"

static std::wstring Environment(const wchar_t* name, const wchar_t* fallback) {
    wchar_t value[1024];
    DWORD length = GetEnvironmentVariableW(name, value, 1024);
    return length > 0 && length < 1024 ? std::wstring(value, length) : std::wstring(fallback);
}

int wmain() {
    wchar_t current[MAX_PATH * 4] = {};
    GetCurrentDirectoryW(MAX_PATH * 4, current);
    wchar_t longForm[MAX_PATH * 4] = {};
    GetLongPathNameW(current, longForm, MAX_PATH * 4);
    wchar_t shortForm[MAX_PATH * 4] = {};
    GetShortPathNameW(current, shortForm, MAX_PATH * 4);
    std::string record = "command line: " + Utf8(GetCommandLineW()) + "\n" +
                         "current directory: " + Utf8(current) + "\n" +
                         "long form: " + Utf8(longForm) + "\n" +
                         "is short form: " + (std::wcscmp(current, shortForm) == 0 ? "yes" : "no") + "\n";
    std::wstring log = Environment(L"RECORDER_LOG", L"C:\\recorder.txt");
    HANDLE file = CreateFileW(log.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
        CloseHandle(file);
    }
    Sleep(static_cast<DWORD>(_wtoi(Environment(L"RECORDER_SLEEP_MS", L"0").c_str())));
    return _wtoi(Environment(L"RECORDER_EXIT_CODE", L"0").c_str());
}
