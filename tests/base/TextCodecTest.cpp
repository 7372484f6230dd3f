// Text as files hold it: decoding whatever the encoding, encoding that loses no character, lines.
#include "base/TextCodec.h"

#include <gtest/gtest.h>

namespace {
wxString Decode(const std::string& bytes)
{
    return DecodeText(bytes.data(), bytes.size());
}
std::string EveryByte()
{
    std::string every;
    for (int b = 0; b < 256; ++b)
        every.push_back(static_cast<char>(b));
    return every;
}
} // namespace

TEST(DecodeText, Utf8Latin1FallbackAndByteOrderMarks)
{
    const std::pair<std::string, const wchar_t*> cases[] = {
        {"Wacht \xC3\xA9\xE2\x82\xAC", L"Wacht \u00e9\u20ac"},
        {"plain ascii", L"plain ascii"},
        {"", L""},
        // Not UTF-8 (a lone Latin-1 byte, overlong forms, surrogates, a cut sequence): the whole text
        // reads as Latin-1, so a valid-looking pair elsewhere stays two characters.
        {"caf\xE9 \xC3\xA9", L"caf\u00e9 \u00c3\u00a9"},
        {"\xC0\xAF", L"\u00c0\u00af"},
        {"\xE0\x83\xA9", L"\u00e0\u0083\u00a9"}, // an e-acute in three bytes
        {"\xED\xA0\x80", L"\u00ed\u00a0\u0080"},
        {"ab\xE2\x82", L"ab\u00e2\u0082"},
        {"\xEF\xBB\xBF"
         "File1:/tmp/\xC3\xA9",
         L"File1:/tmp/\u00e9"},
        {std::string("\xFF\xFE"
                     "A\0\xE9\0\xAC\x20",
                     8),
         L"A\u00e9\u20ac"},
        {std::string("\xFE\xFF"
                     "\0A\0\xE9\x20\xAC",
                     8),
         L"A\u00e9\u20ac"},
        // A lone surrogate and an odd last byte.
        {std::string("\xFF\xFE\x00\xD8"
                     "A\0"
                     "B",
                     7),
         L"\ufffdA"},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(Decode(bytes), wxString(text)) << bytes;
    EXPECT_EQ(Decode("\xF0\x9F\x98\x80").length(), 1u); // one character outside the basic plane
    EXPECT_EQ(Decode(std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6)).length(), 1u);
    EXPECT_TRUE(DecodeText(nullptr, 0).empty());
    const wxString every = Decode(EveryByte()); // NUL and garbage are kept, byte for byte
    ASSERT_EQ(every.length(), 256u);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(every[b].GetValue(), static_cast<unsigned>(b));
}

TEST(EncodeText, Latin1ByteForByteWhenEverythingFitsElseUtf8)
{
    EXPECT_EQ(EncodeText(wxString(L"caf\u00e9 \u00ff")), "caf\xE9 \xFF");
    EXPECT_EQ(EncodeText(Decode(EveryByte())), EveryByte());
    EXPECT_EQ(EncodeText(wxString(L"caf\u00e9 5\u20ac \u4e2d")), "caf\xC3\xA9 5\xE2\x82\xAC \xE4\xB8\xAD");
    EXPECT_EQ(EncodeText(wxString(L"\U0001F600")), "\xF0\x9F\x98\x80");
    for (const wchar_t* text : {L"5\u20ac", L"\u00e9\u20ac", L"\U0001F600 \u00b0"})
        EXPECT_EQ(Decode(EncodeText(text)), wxString(text)) << wxString(text);
}

TEST(SplitLines, EveryLineEndEndsALine)
{
    const std::pair<const char*, std::vector<wxString>> cases[] = {{"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
                                                                   {"a\n\nb\r\n", {"a", "", "b"}},
                                                                   {"a\r\rb\n\r", {"a", "", "b", ""}},
                                                                   {"\n", {""}},
                                                                   {"", {}},
                                                                   {"no end", {"no end"}}};
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(SplitLines(wxString::FromUTF8(text)), lines) << text;
    const std::vector<wxString> nul = SplitLines(Decode(std::string("x\0y\nz", 5)));
    ASSERT_EQ(nul.size(), 2u);
    EXPECT_EQ(nul[0].length(), 3u);
    wxString big;
    for (int i = 0; i < 5000; ++i)
        big += wxString::Format("Line%d\r\n", i);
    const std::vector<wxString> many = SplitLines(big);
    ASSERT_EQ(many.size(), 5000u);
    EXPECT_EQ(many[4999], "Line4999");
}
