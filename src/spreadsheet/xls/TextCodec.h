#pragma once
// UTF-8 (the model's text) to and from UTF-16 (the file's text).

#include <string>

namespace morvessa::sheet::xls {

// Malformed UTF-8 becomes U+FFFD; characters beyond the BMP become surrogate pairs.
std::u16string Utf8ToUtf16(const std::string& text);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(const std::u16string& text);

}  // namespace morvessa::sheet::xls
