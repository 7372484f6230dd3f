#include "base/TextCodec.h"

#include "base/Lines.h"

namespace {

bool IsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// Appends the code point, or U+FFFD when it cannot stand in a string (a lone surrogate).
void AppendCodePoint(std::wstring& out, unsigned long cp)
{
    if (cp >= 0xD800 && cp <= 0xDFFF)
        cp = 0xFFFD;
    if (sizeof(wchar_t) == 2 && cp > 0xFFFF) {
        cp -= 0x10000;
        out.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
    } else {
        out.push_back(static_cast<wchar_t>(cp));
    }
}

// Decodes strict UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF);
// false when the bytes are not valid UTF-8.
bool DecodeUtf8(const unsigned char* p, size_t size, std::wstring& out)
{
    out.clear();
    out.reserve(size);
    size_t i = 0;
    while (i < size) {
        unsigned char c = p[i];
        if (c < 0x80) {
            out.push_back(static_cast<wchar_t>(c));
            ++i;
            continue;
        }
        size_t length;
        unsigned long cp;
        unsigned long minimum;
        if ((c & 0xE0) == 0xC0) {
            length = 2, cp = c & 0x1F, minimum = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            length = 3, cp = c & 0x0F, minimum = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            length = 4, cp = c & 0x07, minimum = 0x10000;
        } else {
            return false;
        }
        if (size - i < length)
            return false;
        for (size_t k = 1; k < length; ++k) {
            if (!IsContinuation(p[i + k]))
                return false;
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        AppendCodePoint(out, cp);
        i += length;
    }
    return true;
}

wxString DecodeLatin1(const unsigned char* p, size_t size)
{
    std::wstring out(size, L'\0');
    for (size_t i = 0; i < size; ++i)
        out[i] = static_cast<wchar_t>(p[i]);
    return wxString(out);
}

// UTF-16 after its mark; a lone surrogate becomes U+FFFD, an odd last byte is dropped.
wxString DecodeUtf16(const unsigned char* p, size_t size, bool bigEndian)
{
    std::wstring out;
    out.reserve(size / 2);
    auto unit = [&](size_t i) -> unsigned {
        return bigEndian ? (unsigned(p[i]) << 8) | p[i + 1] : (unsigned(p[i + 1]) << 8) | p[i];
    };
    size_t i = 0;
    while (i + 1 < size) {
        unsigned u = unit(i);
        i += 2;
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < size) {
            unsigned low = unit(i);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                i += 2;
                AppendCodePoint(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                continue;
            }
        }
        AppendCodePoint(out, u);
    }
    return wxString(out);
}

} // namespace

wxString DecodeText(const char* data, size_t size)
{
    if (data == nullptr || size == 0)
        return wxString();
    auto p = reinterpret_cast<const unsigned char*>(data);
    if (size >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF) {
        std::wstring text;
        if (DecodeUtf8(p + 3, size - 3, text))
            return wxString(text);
        return DecodeLatin1(p + 3, size - 3);
    }
    if (size >= 2 && p[0] == 0xFF && p[1] == 0xFE)
        return DecodeUtf16(p + 2, size - 2, false);
    if (size >= 2 && p[0] == 0xFE && p[1] == 0xFF)
        return DecodeUtf16(p + 2, size - 2, true);
    std::wstring text;
    if (DecodeUtf8(p, size, text))
        return wxString(text);
    return DecodeLatin1(p, size);
}

std::string EncodeText(const wxString& text)
{
    std::string out;
    out.reserve(text.length());
    for (wxString::const_iterator it = text.begin(); it != text.end(); ++it) {
        const unsigned long value = (*it).GetValue();
        if (value > 0xFF) {
            const wxScopedCharBuffer utf8 = text.utf8_str();
            return std::string(utf8.data(), utf8.length());
        }
        out.push_back(static_cast<char>(static_cast<unsigned char>(value)));
    }
    return out;
}

std::vector<wxString> SplitLines(const wxString& text)
{
    std::vector<wxString> lines;
    const std::wstring& wide = text.ToStdWstring();
    size_t pos = 0, length = 0;
    const wchar_t* line = nullptr;
    while (NextLine(wide.data(), wide.size(), pos, line, length))
        lines.emplace_back(line, length);
    return lines;
}
