#include "base/TextCodec.h"

#include <gtest/gtest.h>

namespace {
wxString Decode(const std::string& bytes)
{
    return DecodeText(bytes.data(), bytes.size());
}
std::vector<wxString> Lines(const char* text)
{
    return SplitLines(wxString::FromUTF8(text));
}
} // namespace

TEST(DecodeText, ValidUtf8IsReadAsUtf8)
{
    EXPECT_EQ(Decode("Wacht \xC3\xA9\xE2\x82\xAC"), wxString(L"Wacht \u00e9\u20ac"));
    EXPECT_EQ(Decode("\xF0\x9F\x98\x80").length(), 1u); // one character outside the basic plane
    EXPECT_EQ(Decode("plain ascii"), "plain ascii");
    EXPECT_TRUE(Decode("").empty());
    EXPECT_TRUE(DecodeText(nullptr, 0).empty());
}

TEST(DecodeText, InvalidUtf8FallsBackToLatin1ByteForByte)
{
    // 0xE9 alone is Latin-1 e-acute; the whole text then reads as Latin-1, so a valid-looking pair
    // elsewhere stays two characters.
    EXPECT_EQ(Decode("caf\xE9 \xC3\xA9"), wxString(L"caf\u00e9 \u00c3\u00a9"));
    // Overlong forms, surrogates and truncated sequences are not UTF-8.
    EXPECT_EQ(Decode("\xC0\xAF"), wxString(L"\u00c0\u00af"));
    EXPECT_EQ(Decode("\xED\xA0\x80"), wxString(L"\u00ed\u00a0\u0080"));
    EXPECT_EQ(Decode("ab\xE2\x82"), wxString(L"ab\u00e2\u0082"));
    std::string every;
    for (int b = 0; b < 256; ++b)
        every.push_back(static_cast<char>(b));
    wxString text = Decode(every);
    ASSERT_EQ(text.length(), 256u);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(text[b].GetValue(), static_cast<unsigned>(b));
}

TEST(DecodeText, ByteOrderMarksDecideTheEncoding)
{
    EXPECT_EQ(Decode("\xEF\xBB\xBF"
                     "File1:/tmp/\xC3\xA9"),
              wxString(L"File1:/tmp/\u00e9"));
    EXPECT_EQ(Decode(std::string("\xFF\xFE"
                                 "A\0\xE9\0\xAC\x20",
                                 8)),
              wxString(L"A\u00e9\u20ac"));
    EXPECT_EQ(Decode(std::string("\xFE\xFF"
                                 "\0A\0\xE9\x20\xAC",
                                 8)),
              wxString(L"A\u00e9\u20ac"));
    // A surrogate pair, a lone surrogate and an odd last byte.
    EXPECT_EQ(Decode(std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6)).length(), 1u);
    EXPECT_EQ(Decode(std::string("\xFF\xFE\x00\xD8"
                                 "A\0"
                                 "B",
                                 7)),
              wxString(L"\ufffdA"));
}

TEST(DecodeText, NulBytesAndGarbageAreKept)
{
    std::string bytes("a\0b\xFF\0", 5);
    wxString text = Decode(bytes);
    ASSERT_EQ(text.length(), 5u);
    EXPECT_EQ(text[1].GetValue(), 0u);
    EXPECT_EQ(text[3].GetValue(), 0xFFu);
}

TEST(EncodeLatin1, StoresLatin1AndReplacesTheRest)
{
    EXPECT_EQ(EncodeLatin1(wxString(L"caf\u00e9 \u00ff")), "caf\xE9 \xFF");
    EXPECT_EQ(EncodeLatin1(wxString(L"\u20ac1 \u4e2d")), "?1 ?");
    EXPECT_EQ(EncodeLatin1(wxString(L"\U0001F600")), "?");
    // Latin-1 round trip for every byte.
    std::string every;
    for (int b = 0; b < 256; ++b)
        every.push_back(static_cast<char>(b));
    EXPECT_EQ(EncodeLatin1(Decode(every)), every);
}

TEST(SplitLines, EveryLineEndEndsALine)
{
    EXPECT_EQ(Lines("a\r\nb\nc\rd"), (std::vector<wxString>{"a", "b", "c", "d"}));
    EXPECT_EQ(Lines("a\n\nb\r\n"), (std::vector<wxString>{"a", "", "b"}));
    EXPECT_EQ(Lines("a\r\rb\n\r"), (std::vector<wxString>{"a", "", "b", ""}));
    EXPECT_EQ(Lines("\n"), (std::vector<wxString>{""}));
    EXPECT_TRUE(Lines("").empty());
    EXPECT_EQ(Lines("no end"), (std::vector<wxString>{"no end"}));
}

TEST(SplitLines, KeepsNulAndLongInput)
{
    wxString text = Decode(std::string("x\0y\nz", 5));
    auto lines = SplitLines(text);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].length(), 3u);
    wxString big;
    for (int i = 0; i < 5000; ++i)
        big += wxString::Format("Line%d\r\n", i);
    auto many = SplitLines(big);
    ASSERT_EQ(many.size(), 5000u);
    EXPECT_EQ(many[4999], "Line4999");
}
