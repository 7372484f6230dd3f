// tamekc disasm FILE.tamek|IMAGE.bin: one line per instruction with its address, bytes, mnemonic
// and operands, branch targets resolved; for a project also the block that holds the address.

#include "bytecode/Disassembler.h"
#include "cli/Commands.h"
#include "cli/CompileCommand.h"
#include "model/CProgram.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The block holding an address, as "KindWord Name" ("Wait Wacht"; link pieces hold no address).
std::string BlockAt(const CProgram& program, int address)
{
    const CState* block = program.FindByAddress(address);
    if (!block)
        return std::string();
    std::string text = std::string(block->GetKindWordRaw().utf8_str());
    const wxString name = block->ResolvedName();
    if (!name.empty())
        text += " " + std::string(name.utf8_str());
    return text;
}

int RunDisasm(const std::vector<std::string>& args)
{
    if (args.size() != 1) {
        std::fprintf(stderr, "Usage: tamekc disasm FILE.tamek|IMAGE.bin\n");
        return CliExit::Usage;
    }
    const std::string& path = args[0];
    CProgram program;
    std::vector<unsigned char> bytes;
    const bool project = EndsWith(path, ".tamek");
    if (project) {
        const unsigned char* image = nullptr;
        int length = 0;
        if (const int status = CompileProjectFile(path, program, image, length); status != CliExit::Ok)
            return status;
        bytes.assign(image, image + length);
    } else {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "tamekc: cannot read %s\n", path.c_str());
            return CliExit::Unreadable;
        }
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (bytes.size() > static_cast<size_t>(CProgram::kImageCapacity)) {
            std::fprintf(stderr, "tamekc: %s: an image holds at most %d bytes\n", path.c_str(),
                         CProgram::kImageCapacity);
            return CliExit::Unreadable;
        }
    }
    const int length = static_cast<int>(bytes.size());
    std::string lastBlock;
    for (int offset = 0; offset < length;) {
        DisassembledInstruction instruction;
        const int next = DisassembleInstruction(bytes.data(), length, offset, instruction);
        std::string line = FormatInstruction(instruction);
        if (project) {
            const std::string block = BlockAt(program, offset);
            if (!block.empty()) {
                line.resize(std::max<size_t>(line.size(), 60), ' ');
                line += "; " + block;
            }
        }
        if (next > length)
            line += "  (runs past the end)";
        std::printf("%s\n", line.c_str());
        offset = next;
    }
    if (std::fflush(stdout) != 0)
        return CliExit::Usage;
    return CliExit::Ok;
}

const CliRegistrar registrar({"disasm", "FILE.tamek|IMAGE.bin    list the instructions of a program or an image",
                              &RunDisasm});

} // namespace
