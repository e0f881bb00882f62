#pragma once
// The stand-in for Windows that the unit tests link instead of the Windows layer: it answers every
// PlatformServices operation from the table below, which each test fills, and records each call.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/PlatformServices.h"

struct InstallerAnswer {
    uint32_t Result = 0;  // non-zero: the query fails with this result
    std::string Value;    // the VersionString, terminated on the way out
    bool Unterminated = false;  // write Value's bytes as they are and report their length
};

struct RegistryValue {
    bool Present = true;
    std::string Bytes;  // exactly the bytes stored, terminator only if it is part of Bytes
};

struct ProcessStart {
    std::u16string ApplicationName;
    std::u16string CommandLine;
    std::u16string CurrentDirectory;
    bool InheritHandles;
    uint32_t CreationFlags;
    PlatformServices::StartupRecord Startup;
};

struct MessageBoxShown {
    void* Owner;
    std::string Text;
    std::string Caption;
    uint32_t Type;
};

struct StandInState {
    // What Windows answers.
    std::string CommandLineA;
    std::u16string CommandLineW = u"C:\\Pkg\\setup.exe";
    std::vector<unsigned char> LeadBytes;  // lead bytes of the ANSI code page
    bool ArgvFails = false;
    std::u16string CurrentDirectory = u"C:\\Pkg";
    bool CurrentDirectoryFails = false;
    std::map<std::u16string, std::u16string> ShortForms;  // a path not listed is its own short form
    bool ShortPathFails = false;
    std::u16string SystemDirectory = u"C:\\Windows\\system32";
    bool Wow64QueryFails = false;
    bool Wow64 = true;
    bool CreateProcessFails = false;
    int ChildRunsForWaits = 3;  // 1 ms waits that time out before the child has ended
    uint32_t ChildExitCode = 0;
    bool ExitCodeQueryFails = false;
    bool WaitFails = false;
    std::map<std::string, InstallerAnswer> Products;  // by product code; others are unknown
    std::map<std::string, std::map<std::string, RegistryValue>> RegistryKeys;  // by key path
    uint16_t LanguageId = 0x0409;

    // What the launcher did.
    std::vector<std::string> Calls;  // operation names, with the product code or key path
    std::vector<ProcessStart> Started;
    std::vector<MessageBoxShown> Boxes;
    std::vector<uint32_t> RegistryAccess;
    std::vector<uint32_t> InstallerLengths;
    std::vector<uint32_t> WideningCodePages;
    int OpenKeys = 0;
    int ExitCodeQueries = 0;
    int Waits = 0;
    int DllSearchRestricted = 0;
};

extern StandInState StandIn;

// A fresh table: C:\Pkg\setup.exe started on 64-bit Windows, nothing installed, English.
void ResetStandIn();

// The calls whose names begin with prefix, in order.
std::vector<std::string> CallsStartingWith(const std::string& prefix);

std::string Narrow(const std::u16string& text);  // ASCII only, for messages
