#include "simulation/BlockAddresses.h"

#include "model/CProgram.h"

#include <algorithm>

BlockAddresses::BlockAddresses(const CProgram& program)
{
    // The search visits blocks in the order ForEachBlock does, so the first block to claim an
    // address is the one the search would return.
    program.ForEachBlock([this](CState* block) {
        ++m_pieces;
        if (block->IsLinkPiece() || block->GetCodeAddress() < 0)
            return;
        const int first = block->GetCodeAddress();
        const int end = first + std::max(block->GetCodeLength(), 1) + block->GetTailLength();
        if (static_cast<int>(m_blocks.size()) < end)
            m_blocks.resize(end, nullptr);
        for (int address = first; address < end; ++address)
            if (!m_blocks[address])
                m_blocks[address] = block;
    });
}

CState* BlockAddresses::At(int address) const
{
    return address >= 0 && address < static_cast<int>(m_blocks.size()) ? m_blocks[address] : nullptr;
}
