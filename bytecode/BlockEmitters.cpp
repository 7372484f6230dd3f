// The emitter dispatch by kind, and the blocks without code: link pieces, Repeat (only a loop
// target) and Fake.

#include "bytecode/Emitters.h"
#include "model/KindInfo.h"

int EmitBlockCode(CState& block, const EmitContext& context)
{
    using Emitter = int (*)(CState&, const EmitContext&);
    static const Emitter kEmitters[] = {
#define TAMEK_EMITTER_OF(Name, word, key, nameCat, wordCat, cat, mask, index, lo, hi, prompt, question, image, page,   \
                         sides, named, step, opposite, emitter)                                                        \
    &Emit##emitter,
        TAMEK_KINDS(TAMEK_EMITTER_OF)
#undef TAMEK_EMITTER_OF
    };
    return kEmitters[static_cast<int>(block.Kind().id)](block, context);
}

int EmitNoCode(CState& block, const EmitContext&)
{
    block.SetCodeLength(0);
    return 0;
}
