#pragma once
// The project reader lives in CProgram::ReadText and CProgram::ReadProject (model/CProgram.h).

// With verify set, the reader checks every indexed search against a search of the whole graph and
// aborts on a difference; for the fuzzer and tests only.
void VerifyProjectReaderSearches(bool verify);
