#include "Directories.h"

#include "FixedText.h"
#include "platform/PlatformServices.h"

char16_t PackageDirectory[PackageDirectoryLength];
char16_t WorkingDirectory[WorkingDirectoryLength];

namespace {

constexpr size_t CommandLineLength = 1000;
constexpr size_t QueryLength = 1000;

// A Win32 length answer fits when it is non-zero and below the buffer's length.
bool Fits(uint32_t answer, size_t length) { return answer != 0 && answer < length; }

bool QueryCurrentDirectory(char16_t* buffer) {
    return Fits(PlatformServices::GetCurrentDirectoryW(QueryLength, buffer), QueryLength);
}

// The short form of path; the long form itself when the short form cannot be had, so the buffer
// never holds a stale or partial answer.
bool QueryShortForm(const char16_t* path, char16_t* buffer) {
    char16_t shortForm[QueryLength] = {};
    if (Fits(PlatformServices::GetShortPathNameW(path, shortForm, QueryLength), QueryLength) &&
        CopyText(buffer, QueryLength, shortForm)) {
        return true;
    }
    return CopyText(buffer, QueryLength, path);
}

// The lower-cased argument 0 up to and including its last separator: the launcher's own folder as
// it was typed. Empty when argument 0 names no folder.
bool QueryProgramPrefix(char16_t* prefix) {
    char16_t commandLine[CommandLineLength] = {};
    if (!CopyText(commandLine, CommandLineLength, PlatformServices::GetCommandLineW())) return false;
    int count = 0;
    char16_t** arguments = PlatformServices::CommandLineToArgvW(commandLine, &count);
    if (arguments == nullptr || count < 1 || arguments[0] == nullptr) return false;
    char16_t* program = arguments[0];
    size_t prefixLength = 0;
    for (size_t i = 0; program[i] != 0; ++i) {
        if (program[i] >= 'A' && program[i] <= 'Z') program[i] = static_cast<char16_t>(program[i] + 32);
        if (program[i] == '\\' || program[i] == '/') prefixLength = i + 1;
    }
    return CopyText(prefix, QueryLength, program, prefixLength);
}

bool ContainsColon(const char16_t* text) {
    for (; *text != 0; ++text) {
        if (*text == ':') return true;
    }
    return false;
}

bool ResolveFromCurrentDirectory(const char16_t* architectureFolder) {
    char16_t current[QueryLength] = {};
    char16_t shortForm[QueryLength] = {};
    return QueryCurrentDirectory(current) && QueryShortForm(current, shortForm) &&
           CopyText(PackageDirectory, PackageDirectoryLength, shortForm) &&
           CopyText(WorkingDirectory, WorkingDirectoryLength, shortForm) &&
           AppendText(WorkingDirectory, WorkingDirectoryLength, u"\\") &&
           AppendText(WorkingDirectory, WorkingDirectoryLength, architectureFolder);
}

bool ResolveFromPrefix(const char16_t* prefix, const char16_t* architectureFolder) {
    if (!ContainsColon(prefix)) {
        char16_t current[QueryLength] = {};
        if (!QueryCurrentDirectory(current) ||
            !CopyText(PackageDirectory, PackageDirectoryLength, current) ||
            !AppendText(PackageDirectory, PackageDirectoryLength, u"\\") ||
            !CopyText(WorkingDirectory, WorkingDirectoryLength, PackageDirectory)) {
            return false;
        }
    }
    if (!TextEqualsIgnoringAsciiCase(prefix, PackageDirectory)) {
        char16_t shortForm[QueryLength] = {};
        if (!QueryShortForm(prefix, shortForm) ||
            !CopyText(PackageDirectory, PackageDirectoryLength, shortForm) ||
            !AppendText(WorkingDirectory, WorkingDirectoryLength, shortForm)) {
            return false;
        }
    }
    return AppendText(WorkingDirectory, WorkingDirectoryLength, architectureFolder);
}

}  // namespace

int IsWow64() {
    bool wow64 = false;
    return PlatformServices::IsWow64Process(&wow64) && wow64 ? 1 : 0;
}

bool ResolveDirectories() {
    PackageDirectory[0] = 0;
    WorkingDirectory[0] = 0;
    const char16_t* architectureFolder = IsWow64() ? u"64-bit\\" : u"32-bit\\";
    char16_t prefix[QueryLength] = {};
    bool resolved = QueryProgramPrefix(prefix) &&
                    (prefix[0] == 0 ? ResolveFromCurrentDirectory(architectureFolder)
                                    : ResolveFromPrefix(prefix, architectureFolder));
    if (!resolved) {
        PackageDirectory[0] = 0;
        WorkingDirectory[0] = 0;
    }
    return resolved;
}
