#pragma once
// The two string forms of BIFF8 records: a character count (8 or 16 bits), a flag byte
// (bit 0: two bytes per character) and the characters.

#include <cstdint>
#include <string>
#include <vector>

#include "spreadsheet/xls/Bytes.h"

namespace morvessa::sheet::xls {

enum class LengthField { k8Bit, k16Bit };

// Writes at most maxChars characters, one byte each when every character allows it.
void PutUnicodeString(std::vector<uint8_t>& out, const std::string& utf8Text, LengthField length,
                      size_t maxChars);
std::string ReadUnicodeString(ByteReader& in, LengthField length);

}  // namespace morvessa::sheet::xls
