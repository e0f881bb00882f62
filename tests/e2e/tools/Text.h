#pragma once
// UTF-8 to and from UTF-16 for the test tools, which read and write UTF-8 files.
#include <windows.h>

#include <string>

inline std::string Utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int count = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), count, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), count, out.data(), length, nullptr, nullptr);
    return out;
}

inline std::wstring Wide(const std::string& text) {
    if (text.empty()) return {};
    const int count = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), count, nullptr, 0);
    std::wstring out(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), count, out.data(), length);
    return out;
}
