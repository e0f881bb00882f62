// RunPatchInstaller over any arguments and system directory: the child is started with the whole
// command line and application path, or not at all; nothing is waited for when nothing started.
#include "Directories.h"
#include "FixedText.h"
#include "FuzzInput.h"
#include "PatchInstaller.h"
#include "StandInPlatform.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input{data, size};
    ResetStandIn();
    const std::string arguments = input.Text();
    StandIn.SystemDirectory = Wide(input.Text());
    const std::u16string working = Wide(input.Text());
    const uint8_t flags = input.Byte();
    StandIn.CreateProcessFails = flags & 1;
    StandIn.ChildRunsForWaits = flags >> 4;
    WorkingDirectory[0] = 0;
    if (!CopyText(WorkingDirectory, WorkingDirectoryLength, working.c_str())) return 0;

    const bool started = RunPatchInstaller(arguments.c_str(), PatchFileName);
    std::u16string widened;
    for (char c : arguments) widened += static_cast<char16_t>(static_cast<unsigned char>(c));
    const std::u16string expected = u"/C " + StandIn.SystemDirectory + u"\\msiexec.exe /p " +
                                    PatchFileName + u" " + widened;
    const std::u16string application = StandIn.SystemDirectory + u"\\cmd.exe";
    // The system directory and the arguments are parts of these two, so they fit when these do.
    const bool fits = !working.empty() && !StandIn.SystemDirectory.empty() &&
                      expected.size() < 1000 && application.size() < 260;
    FUZZ_ASSERT(started == (fits && !StandIn.CreateProcessFails));
    if (!fits) {
        FUZZ_ASSERT(StandIn.Started.empty());
        return 0;
    }
    FUZZ_ASSERT(StandIn.Started.size() == 1);
    FUZZ_ASSERT(StandIn.Started[0].CommandLine == expected);
    FUZZ_ASSERT(StandIn.Started[0].ApplicationName == application);
    FUZZ_ASSERT(StandIn.Started[0].CurrentDirectory == working);
    if (!started) FUZZ_ASSERT(StandIn.ExitCodeQueries == 0 && StandIn.Waits == 0);
    return 0;
}
