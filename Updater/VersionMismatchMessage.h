#pragma once
// The message box that explains a refusal by the version gate.
#include "InterfaceLanguage.h"

struct VersionMismatchMessage {
    const char* Caption;  // ANSI, code page 1252 or 932
    const char* Text;     // ANSI, code page 1252 or 932
};

extern const VersionMismatchMessage VersionMismatchMessages[InterfaceLanguageCount];

// Shows the message in the interface language, with no owner window and the error icon; returns
// once the user has dismissed it.
void ShowVersionMismatch();
