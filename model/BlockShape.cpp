#include "model/CState.h"

int StepDirection(const CState& a, const CState& b)
{
    if (a.GetY() == b.GetY())
        return b.GetX() > a.GetX() ? Direction::Right : Direction::Left;
    return b.GetY() > a.GetY() ? Direction::Down : Direction::Up;
}

namespace {
// Writes a side value into a shape code on the side a direction points to.
int WithSide(int shape, int direction, int value)
{
    const int shift = Connector::ShiftOfDirection(direction);
    if (shift < 0)
        return shape;
    return (shape & ~(3 << shift)) | ((value & 3) << shift);
}
} // namespace

int CState::LinkShapeWith(const CState* son, const CState* extraEntry) const
{
    const CState* entries[3] = {m_extraParents[0], m_extraParents[1], extraEntry};
    int shape = 0;
    if (m_parent)
        shape = WithSide(shape, StepDirection(*this, *m_parent), 2);
    bool joined = false;
    for (const CState* entry : entries)
        if (entry) {
            shape = WithSide(shape, StepDirection(*this, *entry), 2);
            joined = true;
        }
    // A loose end continues straight on.
    if (m_parent && !son && !joined)
        shape = WithSide(shape, Direction::Opposite(StepDirection(*this, *m_parent)), 1);
    if (son)
        shape = WithSide(shape, StepDirection(*this, *son), 1);
    return shape;
}

int CState::FlowShape() const
{
    if (IsLinkPiece()) {
        // A piece joined to nothing (a palette prototype, the piece following the mouse) shows the
        // shape it was made with.
        if (!m_parent && !m_son && !m_extraParents[0] && !m_extraParents[1])
            return m_connectorMask;
        return LinkShapeWith(m_son, nullptr);
    }
    if (IsCondition()) {
        if (!m_parent)
            return 0;
        int shape = WithSide(0, StepDirection(*this, *m_parent), 2);
        shape = WithSide(shape, m_sonExitSide, 1);
        return WithSide(shape, m_branchExitSide, 1);
    }
    return m_drawnShape;
}

void CState::RefreshShape()
{
    ShowShape(FlowShape());
}

void CState::ShowShape(int shape)
{
    if (shape == m_drawnShape)
        return;
    LoadTiles(shape, IsLinkPiece());
    m_drawnShape = shape;
}
