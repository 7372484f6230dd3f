// The expression compiler on any text: the code never leaves its buffer, whatever the capacity,
// and the emitters that take an expression refuse what does not fit instead of overflowing.

#include "bytecode/Emitters.h"
#include "bytecode/ExpressionCompiler.h"
#include "calibration/CalibrationRecord.h"
#include "model/CProgram.h"
#include "model/Prototypes.h"
#include "model/StateKinds.h"

#include <wx/init.h>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

struct Setup
{
    wxInitializer initializer;
    CProgram program;
    CState* buzzer = nullptr;
    CState* variable = nullptr;
    Setup()
    {
        for (const char* name : {"x", "teller", "y_2"}) {
            CState* block = PrototypeByName("Variable")->Clone();
            block->SetName(name);
            program.RegisterVariable(block);
            program.AppendToChain(block);
        }
        buzzer = PrototypeByName("Buzzer")->Clone();
        variable = PrototypeByName("Variable")->Clone();
        variable->SetName("x");
        variable->SetVariableIndex(0);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Setup* setup = new Setup(); // lives for the whole run
    const wxString text(reinterpret_cast<const char*>(data), wxConvISO8859_1, size);

    // Exactly the capacity asked for, on the heap, so any write past it is caught.
    for (int capacity : {256, 17, 0}) {
        std::unique_ptr<unsigned char[]> buffer(new unsigned char[capacity > 0 ? capacity : 1]);
        const CompiledExpression result = CompileExpression(text, buffer.get(), capacity, setup->program);
        if (result.length < 0 || result.length > capacity || (result.resultRegister != 0 && result.resultRegister != 1))
            std::abort();
    }
    const EmitContext context{setup->program, DefaultCalibration()};
    for (CState* block : {setup->buzzer, setup->variable}) {
        block->SetParameterText(text);
        const int length = EmitBlockCode(*block, context);
        if (length > CState::kCodeCapacity || (length < 0 && block->GetCodeLength() != 0))
            std::abort();
    }
    return 0;
}
