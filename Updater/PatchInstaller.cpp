#include "PatchInstaller.h"

#include <string>

#include "Directories.h"
#include "FixedText.h"

namespace {

constexpr size_t ChildCommandLineLength = 1000;  // characters, terminator included
constexpr size_t WideArgumentsLength = 1000;     // characters, terminator included
constexpr size_t SystemPathLength = 260;         // characters, terminator included

}  // namespace

bool StripSwitch(const char* source, const char* token, char* out, size_t capacity) {
    std::string text = source != nullptr ? source : "";
    const size_t tokenLength = token != nullptr ? TextLength(token) : 0;
    // An empty token would be found forever; there is nothing to remove.
    if (tokenLength != 0) {
        for (size_t at = text.find(token); at != std::string::npos; at = text.find(token)) {
            text.erase(at, tokenLength);
        }
    }
    for (size_t i = 0; i < capacity; ++i) out[i] = 0;
    if (text.size() >= capacity) return false;
    for (size_t i = 0; i < text.size(); ++i) out[i] = text[i];
    return true;
}

uint32_t WaitForChild(PlatformServices::ProcessHandle process) {
    uint32_t exitCode = PlatformServices::STILL_ACTIVE;
    for (;;) {
        if (PlatformServices::GetExitCodeProcess(process, &exitCode) &&
            exitCode != PlatformServices::STILL_ACTIVE) {
            return exitCode;
        }
        // The 1 ms wait stands in for a sleep and also tells when the process has ended, which
        // an exit code of STILL_ACTIVE, or a failing query, cannot.
        if (PlatformServices::WaitForSingleObject(process, 1) != PlatformServices::WaitResult::TimedOut) {
            if (!PlatformServices::GetExitCodeProcess(process, &exitCode)) {
                exitCode = PlatformServices::STILL_ACTIVE;
            }
            return exitCode;
        }
    }
}

bool RunPatchInstaller(const char* arguments, const char16_t* patchFileName) {
    if (WorkingDirectory[0] == 0) return false;
    char16_t systemDirectory[SystemPathLength] = {};
    const uint32_t systemLength = PlatformServices::GetSystemDirectoryW(systemDirectory, SystemPathLength);
    if (systemLength == 0 || systemLength >= SystemPathLength) return false;

    char16_t wideArguments[WideArgumentsLength] = {};
    if (PlatformServices::MultiByteToWideChar(PlatformServices::CP_THREAD_ACP, 0, arguments, -1,
                                              wideArguments, WideArgumentsLength) == 0) {
        return false;
    }

    char16_t commandLine[ChildCommandLineLength] = {};
    char16_t applicationPath[SystemPathLength] = {};
    if (!AppendText(commandLine, ChildCommandLineLength, u"/C ") ||
        !AppendText(commandLine, ChildCommandLineLength, systemDirectory) ||
        !AppendText(commandLine, ChildCommandLineLength, u"\\msiexec.exe /p ") ||
        !AppendText(commandLine, ChildCommandLineLength, patchFileName) ||
        !AppendText(commandLine, ChildCommandLineLength, u" ") ||
        !AppendText(commandLine, ChildCommandLineLength, wideArguments) ||
        !CopyText(applicationPath, SystemPathLength, systemDirectory) ||
        !AppendText(applicationPath, SystemPathLength, u"\\cmd.exe")) {
        return false;
    }

    const PlatformServices::StartupRecord startup = {PlatformServices::STARTF_USESHOWWINDOW,
                                                     PlatformServices::SW_HIDE};
    PlatformServices::ProcessHandle process = nullptr;
    if (!PlatformServices::CreateProcessW(applicationPath, commandLine, false,
                                          PlatformServices::NORMAL_PRIORITY_CLASS, WorkingDirectory,
                                          &startup, &process)) {
        return false;
    }
    // The handles stay open until the process ends.
    WaitForChild(process);
    return true;
}
