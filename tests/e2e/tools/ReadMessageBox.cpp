// Run in the test prefix while the launcher's message box is up: waits for it, then prints its
// caption, its whole text (from the static control 0xFFFF, which traces would cut short) and its
// buttons, in UTF-8, to the file named by its argument.
#include <windows.h>

#include <string>

static std::string Utf8(const std::wstring& text) {
    if (text.empty()) return {};
    int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), length, nullptr, nullptr);
    return out;
}

static std::wstring TextOf(HWND window) {
    wchar_t text[4096] = {};
    GetWindowTextW(window, text, 4096);
    return text;
}

static BOOL CALLBACK AddButton(HWND child, LPARAM buttons) {
    wchar_t className[64] = {};
    GetClassNameW(child, className, 64);
    if (lstrcmpiW(className, L"Button") == 0 && IsWindowVisible(child)) {
        *reinterpret_cast<std::wstring*>(buttons) += L"[" + TextOf(child) + L"]";
    }
    return TRUE;
}

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    HWND box = nullptr;
    for (int i = 0; i < 600 && box == nullptr; ++i) {
        box = FindWindowW(L"#32770", nullptr);
        if (box == nullptr) Sleep(100);
    }
    if (box == nullptr) return 1;
    std::wstring buttons;
    EnumChildWindows(box, AddButton, reinterpret_cast<LPARAM>(&buttons));
    HWND icon = GetDlgItem(box, 0x14);  // the icon's static control
    std::string record = "caption: " + Utf8(TextOf(box)) + "\n" +
                         "buttons: " + Utf8(buttons) + "\n" +
                         "icon: " + (icon != nullptr ? "yes" : "no") + "\n" +
                         "text:\n" + Utf8(TextOf(GetDlgItem(box, 0xFFFF)));
    HANDLE file = CreateFileW(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 3;
    DWORD written = 0;
    WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
