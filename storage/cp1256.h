#pragma once
// Windows code page 1256 (Arabic) <-> UTF-8. Every text stored in the record
// files and in the text files of the data folder is code page 1256; memory
// holds UTF-8.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace storage {

// Decodes code page 1256 bytes to UTF-8. A NUL byte decodes to U+0000 and is
// kept, so CleanText can remove it as the stored text demands.
std::string DecodeCp1256(std::span<const std::uint8_t> bytes);
std::string DecodeCp1256(std::string_view bytes);

// Encodes UTF-8 to code page 1256, one byte per character. A character the
// code page lacks becomes '?'; malformed UTF-8 bytes become '?' too.
std::vector<std::uint8_t> EncodeCp1256(std::string_view utf8);
std::string EncodeCp1256String(std::string_view utf8);

// Length in bytes of the text once encoded (= its length in characters).
std::size_t Cp1256Length(std::string_view utf8);

}  // namespace storage
