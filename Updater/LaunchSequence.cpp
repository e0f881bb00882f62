#include "LaunchSequence.h"

#include "Directories.h"
#include "PatchInstaller.h"
#include "VersionGate.h"
#include "VersionMismatchMessage.h"

ExitStatus RunUpdate(const char* argumentTail) {
    // The directories are resolved first, also when the gate then refuses; a failure to resolve
    // them only matters once there is something to start.
    const bool directoriesResolved = ResolveDirectories();
    if (!IsRequiredVersionInstalled()) {
        ShowVersionMismatch();
        return RefusedByVersionGate;
    }
    if (!directoriesResolved) return PatchInstallerNotStarted;
    char FilteredArguments[FilteredArgumentsLength];
    if (!StripSwitch(argumentTail, "/s", FilteredArguments, FilteredArgumentsLength)) {
        return PatchInstallerNotStarted;
    }
    if (!RunPatchInstaller(FilteredArguments, PatchFileName)) return PatchInstallerNotStarted;
    return PatchInstallerRan;
}
