#include "StandInPlatform.h"

#include <algorithm>
#include <cstring>

StandInState StandIn;

namespace {

std::vector<std::u16string> Arguments;
std::vector<char16_t*> ArgumentPointers;
int ProcessToken;

// Copies text into a Win32 buffer of length characters with Win32's answer: the length written,
// or the length needed (terminator included) when it does not fit, leaving the buffer alone.
uint32_t Answer(const std::u16string& text, char16_t* buffer, uint32_t length) {
    if (text.size() + 1 > length) return static_cast<uint32_t>(text.size() + 1);
    std::copy(text.begin(), text.end(), buffer);
    buffer[text.size()] = 0;
    return static_cast<uint32_t>(text.size());
}

bool Running() { return StandIn.Waits < StandIn.ChildRunsForWaits; }

}  // namespace

void ResetStandIn() {
    StandIn = StandInState();
    Arguments.clear();
    ArgumentPointers.clear();
}

std::vector<std::string> CallsStartingWith(const std::string& prefix) {
    std::vector<std::string> calls;
    for (const std::string& call : StandIn.Calls) {
        if (call.rfind(prefix, 0) == 0) calls.push_back(call);
    }
    return calls;
}

std::string Narrow(const std::u16string& text) {
    std::string narrow;
    for (char16_t c : text) narrow += c < 0x80 ? static_cast<char>(c) : '?';
    return narrow;
}

namespace PlatformServices {

void RestrictDllSearch() { ++StandIn.DllSearchRestricted; }

const char* GetCommandLineA() { return StandIn.CommandLineA.c_str(); }

const char16_t* GetCommandLineW() {
    StandIn.Calls.push_back("GetCommandLineW");
    return StandIn.CommandLineW.c_str();
}

bool IsDBCSLeadByte(unsigned char byte) {
    return std::find(StandIn.LeadBytes.begin(), StandIn.LeadBytes.end(), byte) != StandIn.LeadBytes.end();
}

// Splits as Windows does for argument 0: up to the closing quote when it begins with one, else up
// to the first blank or tab. The remaining arguments are split at blanks, which is all the
// launcher could ever look at.
char16_t** CommandLineToArgvW(const char16_t* commandLine, int* count) {
    StandIn.Calls.push_back("CommandLineToArgvW");
    if (StandIn.ArgvFails) return nullptr;
    Arguments.clear();
    std::u16string line = commandLine;
    size_t at = 0;
    std::u16string program;
    if (!line.empty() && line[0] == u'"') {
        size_t close = line.find(u'"', 1);
        program = line.substr(1, close == std::u16string::npos ? std::u16string::npos : close - 1);
        at = close == std::u16string::npos ? line.size() : close + 1;
    } else {
        while (at < line.size() && line[at] != u' ' && line[at] != u'\t') ++at;
        program = line.substr(0, at);
    }
    Arguments.push_back(program);
    while (at < line.size()) {
        while (at < line.size() && line[at] == u' ') ++at;
        size_t end = line.find(u' ', at);
        if (end == std::u16string::npos) end = line.size();
        if (end > at) Arguments.push_back(line.substr(at, end - at));
        at = end;
    }
    ArgumentPointers.clear();
    for (std::u16string& argument : Arguments) ArgumentPointers.push_back(argument.data());
    ArgumentPointers.push_back(nullptr);
    *count = static_cast<int>(Arguments.size());
    return ArgumentPointers.data();
}

uint32_t GetCurrentDirectoryW(uint32_t length, char16_t* buffer) {
    StandIn.Calls.push_back("GetCurrentDirectoryW");
    if (StandIn.CurrentDirectoryFails) return 0;
    return Answer(StandIn.CurrentDirectory, buffer, length);
}

uint32_t GetShortPathNameW(const char16_t* longPath, char16_t* shortPath, uint32_t length) {
    StandIn.Calls.push_back("GetShortPathNameW " + Narrow(longPath));
    if (StandIn.ShortPathFails) {
        // A failing call may leave anything behind; the launcher must not use it.
        const std::u16string junk = u"JUNK";
        if (length > junk.size()) Answer(junk, shortPath, length);
        return 0;
    }
    auto found = StandIn.ShortForms.find(longPath);
    return Answer(found != StandIn.ShortForms.end() ? found->second : std::u16string(longPath),
                  shortPath, length);
}

uint32_t GetSystemDirectoryW(char16_t* buffer, uint32_t length) {
    StandIn.Calls.push_back("GetSystemDirectoryW");
    return Answer(StandIn.SystemDirectory, buffer, length);
}

bool IsWow64Process(bool* wow64) {
    StandIn.Calls.push_back("IsWow64Process");
    if (StandIn.Wow64QueryFails) {
        *wow64 = true;  // whatever a failing query leaves, it does not count
        return false;
    }
    *wow64 = StandIn.Wow64;
    return true;
}

// The stand-in's ANSI code page is Latin-1: each byte becomes the code unit of the same value.
int MultiByteToWideChar(uint32_t codePage, uint32_t, const char* text, int byteCount,
                        char16_t* wideText, int wideLength) {
    StandIn.Calls.push_back("MultiByteToWideChar");
    StandIn.WideningCodePages.push_back(codePage);
    const size_t count = byteCount < 0 ? std::strlen(text) + 1 : static_cast<size_t>(byteCount);
    if (count > static_cast<size_t>(wideLength)) return 0;
    for (size_t i = 0; i < count; ++i) wideText[i] = static_cast<unsigned char>(text[i]);
    return static_cast<int>(count);
}

bool CreateProcessW(const char16_t* applicationName, char16_t* commandLine, bool inheritHandles,
                    uint32_t creationFlags, const char16_t* currentDirectory,
                    const StartupRecord* startup, ProcessHandle* process) {
    StandIn.Calls.push_back("CreateProcessW");
    StandIn.Started.push_back({applicationName, commandLine, currentDirectory, inheritHandles,
                               creationFlags, *startup});
    if (StandIn.CreateProcessFails) return false;
    *process = &ProcessToken;
    return true;
}

bool GetExitCodeProcess(ProcessHandle process, uint32_t* exitCode) {
    ++StandIn.ExitCodeQueries;
    if (StandIn.ExitCodeQueryFails || process != &ProcessToken) return false;
    *exitCode = Running() ? STILL_ACTIVE : StandIn.ChildExitCode;
    return true;
}

// Every wait is counted, a failing one too, so a test can weigh queries against waits.
WaitResult WaitForSingleObject(ProcessHandle process, uint32_t milliseconds) {
    const bool running = Running();
    ++StandIn.Waits;
    if (milliseconds != 1) return WaitResult::Failed;  // the launcher only ever waits 1 ms
    if (StandIn.WaitFails || process != &ProcessToken) return WaitResult::Failed;
    return running ? WaitResult::TimedOut : WaitResult::Signaled;
}

uint32_t MsiGetProductInfoA(const char* product, const char* property, char* value,
                            uint32_t* length) {
    StandIn.Calls.push_back(std::string("MsiGetProductInfoA ") + product + " " + property);
    StandIn.InstallerLengths.push_back(*length);
    auto found = StandIn.Products.find(product);
    if (found == StandIn.Products.end()) return 1605;  // ERROR_UNKNOWN_PRODUCT
    const InstallerAnswer& answer = found->second;
    if (answer.Result != 0) return answer.Result;
    if (answer.Unterminated) {
        const size_t count = std::min<size_t>(answer.Value.size(), *length);
        std::memcpy(value, answer.Value.data(), count);
        *length = static_cast<uint32_t>(answer.Value.size());
        return 0;
    }
    if (answer.Value.size() + 1 > *length) {
        *length = static_cast<uint32_t>(answer.Value.size());
        return 234;  // ERROR_MORE_DATA
    }
    std::memcpy(value, answer.Value.c_str(), answer.Value.size() + 1);
    *length = static_cast<uint32_t>(answer.Value.size());
    return 0;
}

bool RegOpenKeyExA(const char* subKey, uint32_t access, RegistryKey* key) {
    StandIn.Calls.push_back(std::string("RegOpenKeyExA ") + subKey);
    StandIn.RegistryAccess.push_back(access);
    auto found = StandIn.RegistryKeys.find(subKey);
    if (found == StandIn.RegistryKeys.end()) return false;
    ++StandIn.OpenKeys;
    *key = &found->second;
    return true;
}

bool RegQueryValueExA(RegistryKey key, const char* valueName, unsigned char* data,
                      uint32_t* length) {
    StandIn.Calls.push_back(std::string("RegQueryValueExA ") + valueName);
    auto& values = *static_cast<std::map<std::string, RegistryValue>*>(key);
    auto found = values.find(valueName);
    if (found == values.end() || !found->second.Present) return false;
    const std::string& bytes = found->second.Bytes;
    if (bytes.size() > *length) {
        *length = static_cast<uint32_t>(bytes.size());
        return false;  // ERROR_MORE_DATA
    }
    std::memcpy(data, bytes.data(), bytes.size());
    *length = static_cast<uint32_t>(bytes.size());
    return true;
}

void RegCloseKey(RegistryKey) {
    StandIn.Calls.push_back("RegCloseKey");
    --StandIn.OpenKeys;
}

uint16_t GetSystemDefaultLangID() {
    StandIn.Calls.push_back("GetSystemDefaultLangID");
    return StandIn.LanguageId;
}

int MessageBoxA(void* owner, const char* text, const char* caption, uint32_t type) {
    StandIn.Calls.push_back("MessageBoxA");
    StandIn.Boxes.push_back({owner, text, caption, type});
    return 1;  // IDOK
}

}  // namespace PlatformServices
