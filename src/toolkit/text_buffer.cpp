#include "toolkit/text_buffer.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace zor {
namespace {

// Holds any "%d" of a 32-bit value and any "%f" of a float (at most 48 characters).
constexpr int formatBufferSize = 64;

// The system's texts are short; running out of memory for one is not something the program can
// recover from, and writing through the null pointer is never an option.
[[noreturn]] void outOfMemory() {
    std::fputs("out of memory for a text buffer\n", stderr);
    std::abort();
}

template <typename Char>
Char* allocateZeroed(std::int32_t characters) {
    return static_cast<Char*>(std::calloc(static_cast<std::size_t>(characters), sizeof(Char)));
}

template <typename Char>
void widen(const char* narrow, Char* out) {
    std::int32_t i = 0;
    for (; narrow[i] != 0; ++i)
        out[i] = static_cast<Char>(static_cast<unsigned char>(narrow[i]));
    out[i] = 0;
}

// A number formatted by the C library, in the buffer's character width.
template <typename Char>
struct Formatted {
    Char text[formatBufferSize];
    Formatted(const char* format, double value) {
        char narrow[formatBufferSize];
        std::snprintf(narrow, sizeof narrow, format, value);
        widen(narrow, text);
    }
    Formatted(std::int32_t value) {
        char narrow[formatBufferSize];
        std::snprintf(narrow, sizeof narrow, "%d", static_cast<int>(value));
        widen(narrow, text);
    }
};

bool isBlank(std::uint32_t c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

template <typename Char>
void TextBuffer<Char>::init() {
    data = nullptr;
    capacity = 0;
    reserve = 0;
}

template <typename Char>
void TextBuffer<Char>::initWithCapacity(std::int32_t characters) {
    capacity = 0;
    reserve = 0;
    if (characters <= 0) return;
    data = allocateZeroed<Char>(characters);
    if (data != nullptr) capacity = characters * static_cast<std::int32_t>(sizeof(Char));
}

template <typename Char>
void TextBuffer<Char>::release() {
    std::free(data);
    init();
}

template <typename Char>
bool TextBuffer<Char>::resize(std::int32_t characters) {
    if (characters <= 0) return false;
    std::free(data);
    data = allocateZeroed<Char>(characters);
    if (data == nullptr) {
        capacity = 0;
        return false;
    }
    capacity = characters * static_cast<std::int32_t>(sizeof(Char));
    return true;
}

template <typename Char>
void TextBuffer<Char>::assign(const Char* text) {
    if (text == nullptr) return;
    const std::int32_t length = textLength(text);
    const std::int64_t neededBytes =
        (static_cast<std::int64_t>(length) + 1) * static_cast<std::int64_t>(sizeof(Char));
    if (neededBytes > capacity) {
        const std::int32_t characters = reserve + length + 1;
        if (!resize(characters)) outOfMemory();
    }
    std::memcpy(data, text, (static_cast<std::size_t>(length) + 1) * sizeof(Char));
}

template <typename Char>
void TextBuffer<Char>::assign(const TextBuffer& other) {
    if (&other == this || other.data == nullptr) return;
    assign(other.data);
}

template <typename Char>
void TextBuffer<Char>::assignInt(std::int32_t value) {
    assign(Formatted<Char>(value).text);
}

template <typename Char>
void TextBuffer<Char>::assignFloat(float value) {
    assign(Formatted<Char>("%f", static_cast<double>(value)).text);
}

template <typename Char>
void TextBuffer<Char>::growForAppend(std::int32_t needed) {
    // Keep the current text while the storage is replaced: it is copied verbatim, never formatted.
    const std::int32_t current = length();
    Char* saved = allocateZeroed<Char>(needed);
    if (saved == nullptr) outOfMemory();
    if (data != nullptr) std::memcpy(saved, data, static_cast<std::size_t>(current) * sizeof(Char));
    if (!resize(needed)) {
        std::free(saved);
        outOfMemory();
    }
    std::memcpy(data, saved, static_cast<std::size_t>(current) * sizeof(Char));
    std::free(saved);
}

template <typename Char>
void TextBuffer<Char>::append(const Char* text) {
    if (text == nullptr) return;
    const std::int32_t current = length();
    const std::int32_t added = textLength(text);
    const std::int32_t needed = added + current + 1;
    if (static_cast<std::int64_t>(needed) * static_cast<std::int64_t>(sizeof(Char)) > capacity)
        growForAppend(needed);
    std::memcpy(data + current, text, (static_cast<std::size_t>(added) + 1) * sizeof(Char));
}

template <typename Char>
void TextBuffer<Char>::appendInt(std::int32_t value) {
    append(Formatted<Char>(value).text);
}

template <typename Char>
std::int32_t TextBuffer<Char>::length() const {
    return textLength(data);
}

template <typename Char>
std::int32_t TextBuffer<Char>::toInt() const {
    return leadingInt(data);
}

template <typename Char>
const Char* TextBuffer<Char>::c_str() const {
    static const Char empty[1] = {0};
    return data != nullptr ? data : empty;
}

template <typename Char>
std::int32_t leadingInt(const Char* text) {
    if (text == nullptr) return 0;
    std::int32_t i = 0;
    while (isBlank(static_cast<std::uint32_t>(text[i])))
        ++i;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') {
        negative = text[i] == '-';
        ++i;
    }
    constexpr std::int64_t limit = static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1;
    std::int64_t magnitude = 0;
    for (; text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit) magnitude = limit; // saturate without overflowing the accumulator
    }
    if (negative) return static_cast<std::int32_t>(-magnitude);
    return magnitude >= limit ? std::numeric_limits<std::int32_t>::max()
                              : static_cast<std::int32_t>(magnitude);
}

template class TextBuffer<char16_t>;
template class TextBuffer<char>;
template std::int32_t leadingInt<char16_t>(const char16_t*);
template std::int32_t leadingInt<char>(const char*);

} // namespace zor
