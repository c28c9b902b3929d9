#pragma once
// SHA-256 (FIPS 180-4): the fingerprint a memo prints of the input data file it carries, so
// that a checker holding the paper and a .DEF can tell in a second whether they belong
// together (`sha256sum FILE.DEF` gives the same digits).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zan {

std::array<std::uint8_t, 32> sha256(std::string_view bytes);

// The digest as 64 lowercase hexadecimal digits, as sha256sum prints it.
std::string sha256Hex(std::string_view bytes);

}  // namespace zan
