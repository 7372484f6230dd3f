#pragma once
// A check of the program graph's invariants, for tests, the fuzzer and the command line: every
// owned successor's parent points back, ownership forms a tree (no cycle, no block owned twice),
// references (loops, joins) point at blocks of the graph that record the referring block as an
// extra parent, rows are consistent chains of members without successors or placeholders, and
// the variable list names only blocks of the graph.

#include <wx/string.h>

class CProgram;

// True when the graph is sound; otherwise false and, when asked, what is wrong.
bool CheckGraph(const CProgram& program, wxString* problem = nullptr);
