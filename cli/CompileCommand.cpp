// tamekc compile FILE.tamek [-o OUT.bin]: the program image as hex bytes on standard output, or
// the raw bytes into a file.

#include "cli/CompileCommand.h"

#include "base/AtomicFile.h"
#include "bytecode/ProgramCompiler.h"
#include "cli/Commands.h"
#include "cli/ProjectLoad.h"

#include <cstdio>

int CompileProjectFile(const std::string& path, CProgram& program, const unsigned char*& image, int& length,
                       std::string* why)
{
    CalibrationRecord fileCalibration;
    if (!LoadProject(path, program, fileCalibration, why))
        return CliExit::Unreadable;
    const auto say = [why](const std::string& message, const char* prefix) {
        if (why)
            *why = message;
        else
            std::fprintf(stderr, "%s%s\n", prefix, message.c_str());
    };
    // What the window compiles after opening the file with the default settings and taking over
    // the file's calibration: the default angle limits stay.
    CalibrationRecord calibration = CalibrationRecord::Defaults();
    calibration.TakeFromProject(fileCalibration);
    CompileStatus status = CompileStatus::Ok;
    if (!CompileProgram(program, calibration, image, length, &status)) {
        if (status == CompileStatus::CodeTooLong) {
            say("Code too long", "");
            return kCodeTooLong;
        }
        say(path + ": no program to compile", "tamekc: ");
        return CliExit::Unreadable;
    }
    return CliExit::Ok;
}

namespace {

int RunCompile(const std::vector<std::string>& args)
{
    std::string input, output;
    bool usable = true;
    for (size_t i = 0; i < args.size() && usable; ++i) {
        if (args[i] == "-o") {
            usable = i + 1 < args.size() && output.empty() && !args[i + 1].empty();
            if (usable)
                output = args[++i];
        } else if (input.empty()) {
            input = args[i];
        } else {
            usable = false;
        }
    }
    if (!usable || input.empty()) {
        std::fprintf(stderr, "Usage: tamekc compile FILE.tamek [-o OUT.bin]\n");
        return CliExit::Usage;
    }
    CProgram program;
    const unsigned char* image = nullptr;
    int length = 0;
    if (const int status = CompileProjectFile(input, program, image, length); status != CliExit::Ok)
        return status;

    if (!output.empty()) {
        wxString why;
        if (!WriteFileAtomically(wxString::FromUTF8(output), std::string(image, image + length), &why)) {
            std::fprintf(stderr, "tamekc: cannot write %s: %s\n", output.c_str(), (const char*)why.utf8_str());
            return CliExit::Unreadable;
        }
        return CliExit::Ok;
    }
    std::string text;
    text.reserve(static_cast<size_t>(length) * 3 + 1);
    static const char kDigits[] = "0123456789abcdef";
    for (int i = 0; i < length; ++i) {
        if (i)
            text += ' ';
        text += kDigits[image[i] >> 4];
        text += kDigits[image[i] & 15];
    }
    text += '\n';
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "tamekc: cannot write to standard output\n");
        return CliExit::Usage;
    }
    return CliExit::Ok;
}

const CliRegistrar registrar({"compile", "FILE.tamek [-o OUT.bin]    compile; hex bytes, or raw bytes into OUT.bin",
                              &RunCompile});

} // namespace
