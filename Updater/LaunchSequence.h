#pragma once
// The run, from the launcher's arguments to its exit status.

// The launcher's exit statuses. A number once given keeps its meaning.
enum ExitStatus {
    PatchInstallerRan = 0,         // the patch installer ran to its end, whatever its own result
    RefusedByVersionGate = 1,      // the product is not installed in the required version
    PatchInstallerNotStarted = 2,  // a path or the command line did not fit, or no process started
};

// Resolves the directories, asks the version gate, then either explains the refusal or runs the
// patch installer with argumentTail less every "/s", and returns the exit status.
ExitStatus RunUpdate(const char* argumentTail);
