// Run in the test prefix while the launcher's message box is up. Waits for it, then prints its
// caption, its buttons (identifier and label), whether it shows an icon, its controls, and its
// whole text (from the static control 0xFFFF, which traces would cut short), in UTF-8, to the file
// named by its argument; or, given --press-ok, presses its OK button.
#include <windows.h>

#include <string>

#include "Text.h"

static std::wstring TextOf(HWND window) {
    wchar_t text[4096] = {};
    GetWindowTextW(window, text, 4096);
    return text;
}

struct Controls {
    std::wstring Buttons;
    bool Icon = false;
    std::wstring All;
};

static BOOL CALLBACK AddControl(HWND child, LPARAM found) {
    Controls& controls = *reinterpret_cast<Controls*>(found);
    wchar_t className[64] = {};
    GetClassNameW(child, className, 64);
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    const bool visible = (style & WS_VISIBLE) != 0;
    controls.All += std::wstring(className) + L"#" + std::to_wstring(GetDlgCtrlID(child)) +
                    (visible ? L" " : L"(hidden) ");
    if (!visible) return TRUE;
    if (lstrcmpiW(className, L"Button") == 0) {
        controls.Buttons += L"[" + std::to_wstring(GetDlgCtrlID(child)) + L" " + TextOf(child) + L"]";
    }
    if (lstrcmpiW(className, L"Static") == 0 && (style & SS_TYPEMASK) == SS_ICON) controls.Icon = true;
    return TRUE;
}

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    const bool pressOk = lstrcmpW(argv[1], L"--press-ok") == 0;
    HWND box = nullptr;
    for (int i = 0; i < 600 && box == nullptr; ++i) {
        box = FindWindowW(L"#32770", nullptr);
        if (box == nullptr) Sleep(100);
    }
    if (box == nullptr) return 1;
    if (pressOk) {
        // A click on the OK button itself, as a user's, rather than a key sent to whichever window
        // has the focus.
        HWND ok = GetDlgItem(box, IDOK);
        if (ok == nullptr) return 4;
        SendMessageW(ok, BM_CLICK, 0, 0);
        return 0;
    }
    // The box may still be laying itself out when it is first found.
    Sleep(500);
    Controls controls;
    EnumChildWindows(box, AddControl, reinterpret_cast<LPARAM>(&controls));
    std::string record = "caption: " + Utf8(TextOf(box)) + "\n" +
                         "buttons: " + Utf8(controls.Buttons) + "\n" +
                         "icon: " + (controls.Icon ? "yes" : "no") + "\n" +
                         "controls: " + Utf8(controls.All) + "\n" +
                         "text:\n" + Utf8(TextOf(GetDlgItem(box, 0xFFFF)));
    HANDLE file = CreateFileW(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 3;
    DWORD written = 0;
    WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
