#pragma once

#include <cstddef>
#include <string_view>

namespace solver {

// One character of a UTF-8 text, as the checker of a typed answer and the
// command line read them.
struct Utf8Char
{
    char32_t code = 0xFFFD; // the replacement character for an invalid byte
    std::size_t bytes = 1;  // an invalid byte is one character of its own
    bool valid = false;
};

// The character that starts at byte at of text (at < text.size()). Overlong
// forms, surrogates and sequences cut short count as invalid, so that no
// disguised "+" or digit slips through.
Utf8Char decodeUtf8(std::string_view text, std::size_t at);

} // namespace solver
