#pragma once
// The package folder (where the launcher lies) and the architecture folder beside it in which the
// patch installer runs.
#include <cstddef>

constexpr size_t PackageDirectoryLength = 1000;  // characters, terminator included
constexpr size_t WorkingDirectoryLength = 260;   // characters, terminator included

// Written once by ResolveDirectories, read afterwards. WorkingDirectory ends with a backslash.
extern char16_t PackageDirectory[PackageDirectoryLength];
extern char16_t WorkingDirectory[WorkingDirectoryLength];

// 1 when this 32-bit process runs on 64-bit Windows; 0 otherwise, also when the query fails.
int IsWow64();

// Fills PackageDirectory and WorkingDirectory from argument 0 and the current directory. False
// when a query fails or a path does not fit its buffer: both buffers are then left empty, so no
// cut-down folder is ever used.
bool ResolveDirectories();
