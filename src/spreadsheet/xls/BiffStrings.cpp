#include "spreadsheet/xls/BiffStrings.h"

#include <algorithm>

#include "spreadsheet/xls/TextCodec.h"

namespace morvessa::sheet::xls {

void PutUnicodeString(std::vector<uint8_t>& out, const std::string& utf8Text, LengthField length,
                      size_t maxChars)
{
    std::u16string text = Utf8ToUtf16(utf8Text);
    if (text.size() > maxChars)
        text.resize(maxChars);
    const bool high = std::any_of(text.begin(), text.end(), [](char16_t c) { return c > 0xFF; });
    if (length == LengthField::k8Bit)
        PutU8(out, static_cast<uint8_t>(text.size()));
    else
        PutU16(out, static_cast<uint16_t>(text.size()));
    PutU8(out, high ? 1 : 0);
    for (char16_t c : text) {
        if (high)
            PutU16(out, c);
        else
            PutU8(out, static_cast<uint8_t>(c));
    }
}

std::string ReadUnicodeString(ByteReader& in, LengthField length)
{
    const size_t cch = length == LengthField::k8Bit ? in.U8() : in.U16();
    const uint8_t flags = in.U8();
    std::u16string text;
    text.reserve(cch);
    for (size_t i = 0; i < cch; ++i)
        text.push_back((flags & 1) ? static_cast<char16_t>(in.U16()) : in.U8());
    return Utf16ToUtf8(text);
}

}  // namespace morvessa::sheet::xls
