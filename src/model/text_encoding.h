#pragma once
// The two encodings of the program's texts. Every text the program holds and shows is UTF-8;
// the files it exchanges with the program it descends from (the input data file, the report)
// are Windows-1252, one byte a character, and are converted where they are read and written.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zan::textEncoding {

// Windows-1252 bytes as UTF-8. The five bytes Windows-1252 leaves undefined (81, 8D, 8F, 90,
// 9D) read as the control characters of the same number, so that every byte has its own
// character and any file reads and writes back byte for byte.
std::string fromWindows1252(std::string_view bytes);

// A UTF-8 text's Windows-1252 bytes; none when a character has no byte there, or the text is
// not UTF-8.
std::optional<std::string> toWindows1252(std::string_view text);
// The same with `replacement` for each character without a byte, and for each byte that
// begins no UTF-8 sequence.
std::string toWindows1252(std::string_view text, char replacement);

// The characters of a UTF-8 text that Windows-1252 cannot hold, each once, in their order.
std::string beyondWindows1252(std::string_view text);

// The text as valid UTF-8: each byte that begins no sequence reads as its Windows-1252
// character, as a file name of a system that names files in Latin-1 means it.
std::string validUtf8(std::string_view text);

// The characters of a UTF-8 text (a byte that begins no sequence counts as one).
std::size_t characterCount(std::string_view text);

}  // namespace zan::textEncoding
