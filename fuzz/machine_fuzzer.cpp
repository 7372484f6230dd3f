// The machine on any image with any inputs and setup registers: it never reads or writes outside
// its memory and variables, never divides by zero and never stops decoding. The disassembler reads
// the same image.
//
// Input: 3 x 2 bytes of raw port values, 20 setup register bytes, then the image (at most 1024 bytes).

#include "bytecode/Disassembler.h"
#include "bytecode/TamekMachine.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    constexpr size_t kHeader = 6 + 20;
    if (size < kHeader)
        return 0;
    const size_t length = size - kHeader > 1024 ? 1024 : size - kHeader;
    // The image in its own heap block of exactly its length, so the machine's copy is checked too.
    std::unique_ptr<unsigned char[]> image(new unsigned char[length > 0 ? length : 1]);
    for (size_t i = 0; i < length; ++i)
        image[i] = data[kHeader + i];

    TamekMachine machine;
    machine.LoadImage(image.get(), static_cast<int>(length));
    for (int port = 0; port < 3; ++port)
        machine.SetRawInput(port + 1, ((data[2 * port] << 8) | data[2 * port + 1]) - 20000);
    machine.SetGo(true);
    machine.MachineStep();
    machine.SetGo(false);
    machine.MachineStep();
    for (int r = 1; r <= 20; ++r)
        machine.SetSetupRegister(r, static_cast<int8_t>(data[5 + r]) * (r % 3 == 0 ? 1000 : 1));

    // Alternately step by step (as the simulator) and in runs (as tamekc).
    for (int round = 0; round < 40 && machine.GetRunState() == TamekMachine::Running; ++round) {
        if (round % 2)
            machine.RunSteps(500);
        else
            for (int i = 0; i < 50; ++i)
                machine.MachineStep();
        machine.ClockTick();
    }
    if (machine.Pc() >= 0 && machine.Pc() < static_cast<int>(length) && machine.GetRunState() == TamekMachine::Ended)
        std::abort(); // a run ends only with the program counter outside the image

    for (int offset = 0; offset < static_cast<int>(length);) {
        DisassembledInstruction instruction;
        const int next = DisassembleInstruction(image.get(), static_cast<int>(length), offset, instruction);
        if (next <= offset)
            std::abort();
        offset = next;
    }
    return 0;
}
