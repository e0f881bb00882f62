#pragma once
// Text in fixed buffers. Every write to a fixed buffer goes through these, so no caller does its
// own length arithmetic: a text that does not fit, terminator included, is refused (false) and the
// buffer is left exactly as it was; nothing is ever cut short.
#include <cstddef>

template <typename Char>
size_t TextLength(const Char* text) {
    size_t length = 0;
    while (text[length] != 0) ++length;
    return length;
}

// Appends the first count characters of text (which holds at least that many) after the text
// already in buffer; capacity counts the terminator. The buffer must hold a terminated text.
template <typename Char>
bool AppendText(Char* buffer, size_t capacity, const Char* text, size_t count) {
    size_t used = 0;
    while (used < capacity && buffer[used] != 0) ++used;
    if (used >= capacity || count >= capacity - used) return false;
    for (size_t i = 0; i < count; ++i) buffer[used + i] = text[i];
    buffer[used + count] = 0;
    return true;
}

template <typename Char>
bool AppendText(Char* buffer, size_t capacity, const Char* text) {
    return AppendText(buffer, capacity, text, TextLength(text));
}

// Replaces the buffer's text; on failure the old text stays.
template <typename Char>
bool CopyText(Char* buffer, size_t capacity, const Char* text, size_t count) {
    if (capacity == 0 || count >= capacity) return false;
    buffer[0] = 0;
    return AppendText(buffer, capacity, text, count);
}

template <typename Char>
bool CopyText(Char* buffer, size_t capacity, const Char* text) {
    return CopyText(buffer, capacity, text, TextLength(text));
}

// Compares letters A to Z without regard to case; every other character as it is.
template <typename Char>
bool TextEqualsIgnoringAsciiCase(const Char* left, const Char* right) {
    auto lower = [](Char c) { return (c >= 'A' && c <= 'Z') ? static_cast<Char>(c + 32) : c; };
    size_t i = 0;
    for (; left[i] != 0 && right[i] != 0; ++i) {
        if (lower(left[i]) != lower(right[i])) return false;
    }
    return left[i] == right[i];
}
