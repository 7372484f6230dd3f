#pragma once
// The keys of a project text line, matched by hand: each function answers exactly as its regular
// expression (extended syntax, unanchored, ASCII character classes) would, with its captures, at
// a fraction of the cost. The reader's verifying mode checks every answer against the expression.

#include <wx/string.h>

namespace ProjectKeys {
// "Cond: ([GLTEQN]*)"
bool Cond(const wxString& text, wxString& code);
// "Name: ([[:alnum:]_]*)." (one more character of any kind must follow the name)
bool Name(const wxString& text, wxString& name);
// "Param: '(.*)'" (up to the last quote of the text)
bool QuotedParam(const wxString& text, wxString& parameter);
// "Param: ([[:alnum:]_-]*)"
bool PlainParam(const wxString& text, wxString& parameter);
// "BGtype: ([0-9]*)"
bool BgType(const wxString& text, wxString& digits);
// "Son ([0-9]*),*([0-9]*)"
bool Son(const wxString& text, wxString& son, wxString& branch);
// "frNode([:0-9]*)" or "flNode([:0-9]*)", with key "frNode" or "flNode"
bool Row(const wxString& text, const wchar_t* key, wxString& list);
} // namespace ProjectKeys
