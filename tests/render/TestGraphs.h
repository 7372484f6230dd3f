#pragma once
// Flowcharts built in code for the rendering tests, with the links set directly so that the
// pictures do not depend on the editing rules.

#include "model/CProgram.h"
#include "model/Prototypes.h"
#include "tests/support/GraphLinks.h"

class CProjectViewer;

class GraphBuilder
{
public:
    GraphBuilder(CProgram& program, CProjectViewer* viewer) : m_program(program), m_viewer(viewer) {}

    // A clone of a palette prototype placed on the canvas at (x, y).
    CState* Block(PalettePage page, size_t position, int x, int y, int parameter = 0)
    {
        CState* block = Prototypes::Get().At(page, position)->Clone();
        block->SetViewer(m_viewer);
        block->SetPosition(x, y);
        if (block->HasParameter()) {
            block->SetParameterValue(parameter);
            block->SetParameterText(wxString::Format("%d", parameter));
        }
        return block;
    }
    CState* Piece(int x, int y, int mask = 0x06)
    {
        CState* piece = Prototypes::Get().LinkPrototype()->Clone();
        piece->SetConnectorMask(mask);
        piece->SetViewer(m_viewer);
        piece->SetPosition(x, y);
        return piece;
    }
    static CState* Son(CState* parent, CState* son) { return graph_links::Son(parent, son); }
    static CState* Branch(CState* condition, CState* son) { return graph_links::Branch(condition, son); }
    static void Join(CState* from, CState* into) { graph_links::Join(from, into); }
    static void Beside(CState* left, CState* right)
    {
        left->SetRowNeighbour(1, right);
        right->SetRowNeighbour(0, left);
        right->SetConnectorMask(0x90);
    }
    // A vertical run of link pieces below block, count of them; returns the last.
    CState* Down(CState* block, int count)
    {
        for (int i = 0; i < count; ++i)
            block = Son(block, Piece(block->GetX(), block->GetY() + 60));
        return block;
    }

    // The program of the screenshots and golden pictures: a step of two actions, a condition
    // whose yes way drives on and loops back above the condition, whose no way stops.
    void BranchingLoop()
    {
        CState* root = m_program.EnsureRoot();
        root->SetViewer(m_viewer);
        const int x = root->GetX(), y = root->GetY();
        CState* p1 = Son(root, Piece(x, y + 60));
        CState* buzzer = Son(p1, Block(PalettePage::Action, 1, x, y + 120, 1));
        CState* wait = Block(PalettePage::Action, 0, x + 60, y + 120, 10);
        Beside(buzzer, wait);
        CState* joinPoint = Son(buzzer, Piece(x, y + 180));
        CState* condition = Son(joinPoint, Block(PalettePage::Sensor, 0, x, y + 240, 1));
        condition->SetSonExitSide(0);
        condition->SetBranchExitSide(2);
        CState* yes = Son(condition, Piece(x, y + 300));
        CState* forward = Son(yes, Block(PalettePage::Action2, 0, x, y + 360, 50));
        CState* below = Son(forward, Piece(x, y + 420));
        CState* back = Son(below, Piece(x - 60, y + 420));
        for (int i = 1; i <= 4; ++i)
            back = Son(back, Piece(x - 60, y + 420 - 60 * i));
        Join(back, joinPoint);
        CState* no = Branch(condition, Piece(x + 60, y + 240));
        CState* turn = Son(no, Piece(x + 120, y + 240));
        CState* down = Son(turn, Piece(x + 120, y + 300));
        Son(down, Block(PalettePage::Action, 8, x + 120, y + 360));
        m_condition = condition;
        m_wait = wait;
    }
    CState* Condition() const { return m_condition; }
    CState* WaitBlock() const { return m_wait; }

private:
    CProgram& m_program;
    CProjectViewer* m_viewer;
    CState* m_condition = nullptr;
    CState* m_wait = nullptr;
};
