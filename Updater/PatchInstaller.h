#pragma once
// Starts the patch installer: the command processor, hidden, in WorkingDirectory, running
// msiexec /p with the patch file name and the launcher's own arguments.
#include <cstddef>
#include <cstdint>

#include "platform/PlatformServices.h"

constexpr size_t FilteredArgumentsLength = 1000;  // bytes, terminator included
constexpr const char16_t* PatchFileName = u"QuorvaneServer12v5Update.msp";

// Removes every occurrence of token from source, searching again from the start after each
// removal, and writes the result into out, zero-filling the rest of its capacity bytes. False
// when the result does not fit below capacity: out is then all zero bytes.
bool StripSwitch(const char* source, const char* token, char* out, size_t capacity);

// Starts the child with the ANSI arguments and waits until it has ended. False when the command
// line or a path does not fit, or no process was started: nothing is then waited for.
bool RunPatchInstaller(const char* arguments, const char16_t* patchFileName);

// Polls the process once per millisecond until it has ended and returns its exit code. Ends also
// when the exit code cannot be read or is STILL_ACTIVE itself, once the process is gone.
uint32_t WaitForChild(PlatformServices::ProcessHandle process);
