#pragma once
// The launcher's own arguments: the ANSI process command line without the program name.

// Points into commandLine past its first token and the characters at or below the blank that
// follow it. The first token ends at the first such character outside double quotes; a lead byte
// takes its trail byte with it, but never the terminator. Never null for a non-null commandLine.
const char* ArgumentTailOf(const char* commandLine);
