// The Windows entry point. Its parameters are declared without the Windows headers, which only
// the platform layer includes; the instance handles and the show state play no part.
#include "ArgumentTail.h"
#include "LaunchSequence.h"
#include "platform/PlatformServices.h"

struct HINSTANCE__;  // NOLINT(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp): the Win32 name

extern "C" int __stdcall WinMain(HINSTANCE__*, HINSTANCE__*, char*, int) {
    PlatformServices::RestrictDllSearch();
    // The tail is taken from the command line here rather than from the runtime, so the rule for
    // quotes and double-byte characters is the launcher's own and unit-tested.
    return RunUpdate(ArgumentTailOf(PlatformServices::GetCommandLineA()));
}
