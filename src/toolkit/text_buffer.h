// The system's own growable text buffers: WideText (16-bit characters, everything shown on screen and
// every file name) and NarrowText (8-bit characters, port names and converter text). The storage always
// holds a terminating zero after the text, so data can be handed straight to the platform.
#pragma once

#include <cstdint>

namespace zor {

template <typename Char>
class TextBuffer {
  public:
    Char* data = nullptr;
    std::int32_t capacity = 0; // bytes, terminator included
    std::int32_t reserve = 0;  // extra characters added when an assignment grows the storage

    TextBuffer() = default;
    ~TextBuffer() { release(); }
    TextBuffer(const TextBuffer&) = delete;
    TextBuffer& operator=(const TextBuffer&) = delete;

    void init();
    void initWithCapacity(std::int32_t characters);
    void release();
    bool resize(std::int32_t characters);

    void assign(const Char* text);
    void assign(const TextBuffer& other);
    void assignInt(std::int32_t value);
    void assignFloat(float value);
    void append(const Char* text);
    void appendInt(std::int32_t value);

    std::int32_t length() const;
    std::int32_t toInt() const;
    // The text, or an empty string for a buffer without storage.
    const Char* c_str() const;

  private:
    void growForAppend(std::int32_t needed);
};

using WideText = TextBuffer<char16_t>;
using NarrowText = TextBuffer<char>;

extern template class TextBuffer<char16_t>;
extern template class TextBuffer<char>;

// Length of a zero-terminated string of either width; 0 for null.
template <typename Char>
std::int32_t textLength(const Char* text) {
    if (text == nullptr) return 0;
    std::int32_t n = 0;
    while (text[n] != 0)
        ++n;
    return n;
}

// The leading decimal integer of a text: blanks skipped, an optional sign, digits up to the first
// non-digit; 0 without digits; saturated at the 32-bit limits.
template <typename Char>
std::int32_t leadingInt(const Char* text);

extern template std::int32_t leadingInt<char16_t>(const char16_t*);
extern template std::int32_t leadingInt<char>(const char*);

} // namespace zor
