#include "model/ProjectReaderKeys.h"

#include <cwchar>

namespace {

bool IsDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}
bool IsWordChar(wchar_t c)
{
    return IsDigit(c) || (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || c == L'_';
}

// The end of the run of characters from start that satisfy in.
template <class In> size_t RunEnd(const wxString& text, size_t start, In in)
{
    const wchar_t* data = text.wc_str();
    const size_t length = text.length();
    size_t end = start;
    while (end < length && in(data[end]))
        ++end;
    return end;
}

// The text after the first occurrence of key, as a start index; npos when key does not occur.
size_t After(const wxString& text, const wchar_t* key)
{
    const size_t at = text.find(key);
    return at == wxString::npos ? at : at + std::wcslen(key);
}

} // namespace

namespace ProjectKeys {

bool Cond(const wxString& text, wxString& code)
{
    const size_t start = After(text, L"Cond: ");
    if (start == wxString::npos)
        return false;
    const size_t end = RunEnd(text, start, [](wchar_t c) { return std::wcschr(L"GLTEQN", c) && c; });
    code = text.substr(start, end - start);
    return true;
}

bool Name(const wxString& text, wxString& name)
{
    const size_t start = After(text, L"Name: ");
    if (start == wxString::npos)
        return false;
    size_t end = RunEnd(text, start, IsWordChar);
    if (end == text.length()) {
        // The character that must follow is taken from the name itself.
        if (end == start)
            return false;
        --end;
    }
    name = text.substr(start, end - start);
    return true;
}

bool QuotedParam(const wxString& text, wxString& parameter)
{
    const size_t start = After(text, L"Param: '");
    if (start == wxString::npos)
        return false;
    const size_t close = text.rfind(L'\'');
    if (close == wxString::npos || close < start)
        return false;
    parameter = text.substr(start, close - start);
    return true;
}

bool PlainParam(const wxString& text, wxString& parameter)
{
    const size_t start = After(text, L"Param: ");
    if (start == wxString::npos)
        return false;
    const size_t end = RunEnd(text, start, [](wchar_t c) { return IsWordChar(c) || c == L'-'; });
    parameter = text.substr(start, end - start);
    return true;
}

bool BgType(const wxString& text, wxString& digits)
{
    const size_t start = After(text, L"BGtype: ");
    if (start == wxString::npos)
        return false;
    digits = text.substr(start, RunEnd(text, start, IsDigit) - start);
    return true;
}

bool Son(const wxString& text, wxString& son, wxString& branch)
{
    const size_t start = After(text, L"Son ");
    if (start == wxString::npos)
        return false;
    const size_t sonEnd = RunEnd(text, start, IsDigit);
    son = text.substr(start, sonEnd - start);
    const size_t branchStart = RunEnd(text, sonEnd, [](wchar_t c) { return c == L','; });
    branch = text.substr(branchStart, RunEnd(text, branchStart, IsDigit) - branchStart);
    return true;
}

bool Row(const wxString& text, const wchar_t* key, wxString& list)
{
    const size_t start = After(text, key);
    if (start == wxString::npos)
        return false;
    list = text.substr(start, RunEnd(text, start, [](wchar_t c) { return IsDigit(c) || c == L':'; }) - start);
    return true;
}

} // namespace ProjectKeys
