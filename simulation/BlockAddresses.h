#pragma once
// Which block holds a program address after a compilation. The answer is the graph search's with
// ContainsAddress (the first block in search order whose code holds the address, a block without
// code holding the one address where its code would start), kept in a table: a tick asks it after
// every machine step, and a search over thousands of pieces each time would cost milliseconds.

#include <vector>

class CProgram;
class CState;

class BlockAddresses
{
public:
    // Fills the table from the blocks as the last compilation of program placed them.
    explicit BlockAddresses(const CProgram& program);
    // The block that holds address, or null.
    CState* At(int address) const;
    // The pieces of the graph (blocks and link pieces).
    int PieceCount() const { return m_pieces; }

private:
    std::vector<CState*> m_blocks; // by address
    int m_pieces = 0;
};
