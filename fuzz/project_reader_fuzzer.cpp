// Feeds any bytes through the project reader, then checks the graph it left: sound whether the
// read succeeded or failed, written without trouble, and that text read again into a sound graph
// without error. The reader's indexed searches are checked against whole-graph searches as well.
// With TAMEK_FUZZ_STRICT set, the second write of an ASCII text must also equal the first (a
// fixpoint); this does not hold for every input (a parameter holding the format's own key words
// reads back differently), so it is a mode for looking, not part of the test run.
#include "calibration/CalibrationRecord.h"
#include "model/CProgram.h"
#include "model/GraphCheck.h"
#include "model/ProjectReader.h"
#include "model/ProjectWriter.h"
#include "support/ProjectReaderChecks.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <wx/init.h>
#include <wx/mstream.h>

namespace {
bool g_strict = false;

void Require(bool condition, const char* what, const wxString& detail = wxString())
{
    if (condition)
        return;
    std::fprintf(stderr, "project_reader_fuzzer: %s %s\n", what, (const char*)detail.utf8_str());
    std::abort();
}

bool Read(CProgram& program, const void* data, size_t size)
{
    wxMemoryInputStream stream(data, size);
    Displacement displacement;
    ReadBounds bounds;
    CalibrationRecord calibration = CalibrationRecord::Defaults();
    return program.ReadText(stream, displacement, bounds, calibration);
}

void RequireSound(const CProgram& program, const char* when)
{
    wxString problem;
    Require(CheckGraph(program, &problem), when, problem);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static wxInitializer initializer;
    g_strict = std::getenv("TAMEK_FUZZ_STRICT") != nullptr;
    return initializer.IsOk() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static ProjectReaderChecks checks;
    CProgram program;
    program.EnsureRoot();
    program.ResetPrototypeNames();
    Read(program, data, size);
    Require(checks.failures == 0, "a shortcut of the reader differs:", wxString::FromUTF8(checks.first));
    RequireSound(program, "unsound graph after reading the input:");
    const std::string first = ProjectWriter::Text(program, wxString());

    CProgram again;
    again.EnsureRoot();
    program.ResetPrototypeNames();
    Require(Read(again, first.data(), first.size()), "the written text does not read back");
    RequireSound(again, "unsound graph after reading the written text:");
    Require(checks.failures == 0, "a shortcut of the reader differs:", wxString::FromUTF8(checks.first));
    // Latin-1 text that happens to be valid UTF-8 reads back as other characters, so only ASCII
    // texts are held to the fixpoint.
    const bool ascii = std::all_of(first.begin(), first.end(), [](char c) { return (c & 0x80) == 0; });
    if (g_strict && ascii)
        Require(ProjectWriter::Text(again, wxString()) == first, "the written text is not written back the same");

    program.Clear();
    program.ResetPrototypeNames();
    return 0;
}
