#include "drawing/BlockDrawing.h"

#include "drawing/WxImageStore.h"
#include "model/CState.h"
#include "model/LinkPath.h"

#include <algorithm>
#include <tuple>
#include <unordered_set>
#include <vector>
#include <wx/brush.h>
#include <wx/font.h>
#include <wx/graphics.h>
#include <wx/pen.h>

namespace {
// The white band at the bottom of an action's picture that holds its parameter text, and the
// widest text that stays inside the card's rounded edge (drawing units, as assets/blocks.py draws them).
constexpr double kTextBandTop = 54;
constexpr double kTextBandBottom = 77;
constexpr double kTextMaxWidth = 50;
// A variable's assignment and a condition's comparison are longer: they may use the whole picture's
// width (less a margin), on a white plate where they leave the card: a variable's in its band, a
// condition's over the diamond's upper half, where no exit mark stands but an upward one.
constexpr double kWideTextMaxWidth = 90;
constexpr double kPlateTop = 21;
constexpr double kPlateBottom = 37;
} // namespace

wxString BlockCaption(const CState& block)
{
    if (!block.HasParameter())
        return wxString();
    const wxString name = block.ResolvedName(), text = block.GetParameterText();
    switch (block.GetCategory()) {
    case Category::Action:
        return text;
    case Category::Variable:
        // A block with no variable yet shows its value alone.
        return name.empty() ? text : wxString::Format("%s = %s", name, text);
    case Category::SensorCondition:
        // A switch reads as its picture; a detector's threshold is what makes it readable.
        if (block.ParameterMaximum() - block.ParameterMinimum() <= 1)
            return wxString();
        [[fallthrough]];
    case Category::VariableCondition:
        return wxString::Format("%s %s %s", name, block.GetConditionOperator(), text);
    default:
        return wxString();
    }
}

BlockPainter::BlockPainter(wxGraphicsContext* gc) : m_gc(gc)
{
    for (int i = 0; i < 4; ++i)
        m_overlays[i] = LoadPicture(wxString::Format("Img/State/pos%d.png", i));
    m_yes = LoadPicture("Img/State/oui.png");
    m_no = LoadPicture("Img/State/non.png");
}

void BlockPainter::SetVisibleArea(double x, double y, double width, double height)
{
    m_clipped = true;
    m_left = x, m_top = y, m_right = x + width, m_bottom = y + height;
}

bool BlockPainter::IsVisible(const CState& block) const
{
    if (!m_clipped)
        return true;
    // Labels and texts stay inside the block's own box; the box is at least a standard block.
    const int w = std::max(block.ImageWidth(), kBlockUnits), h = std::max(block.ImageHeight(), kBlockUnits);
    return block.GetX() + w >= m_left && block.GetX() <= m_right && block.GetY() + h >= m_top &&
           block.GetY() <= m_bottom;
}

void BlockPainter::DrawPicture(const ImageHandle& picture, double x, double y)
{
    if (picture)
        DrawPicture(picture, x, y, picture->Width(), picture->Height());
}

void BlockPainter::DrawPicture(const ImageHandle& picture, double x, double y, double width, double height)
{
    if (const WxBlockImage* image = AsWx(picture))
        m_gc->DrawBitmap(image->GraphicsBitmap(m_sharp), x, y, width, height);
}

void BlockPainter::DrawBlock(CState& block, bool highlighted)
{
    const int shape = m_path ? m_path->ShapeOf(block) : -1;
    if (shape >= 0)
        block.ShowShape(shape);
    else
        block.RefreshShape();
    if (!IsVisible(block))
        return;
    const int x = block.GetX(), y = block.GetY();
    DrawPicture(highlighted ? block.GetRedTile() : block.GetBlueTile(), x, y);
    DrawPicture(block.DisplayedImage(), x, y);
    if (block.IsCondition()) {
        DrawPicture(m_overlays[block.GetSonExitSide() & 3], x, y);
        DrawPicture(m_overlays[block.GetBranchExitSide() & 3], x, y);
    }
    DrawExitLabel(block);
    if (m_allTexts || block.IsOnCanvas())
        DrawCaption(block);
}

void BlockPainter::DrawExitLabel(CState& block)
{
    const CState* parent = block.GetParent();
    if (!parent || !parent->IsCondition())
        return;
    const int step = StepDirection(*parent, block);
    const ImageHandle* label = nullptr;
    if (step == parent->GetSonExitSide())
        label = &m_yes;
    else if (step == parent->GetBranchExitSide())
        label = &m_no;
    if (!label)
        return;
    const int w = block.ImageWidth(), h = block.ImageHeight();
    const bool vertical = step == Direction::Down || step == Direction::Up;
    const int lx = vertical ? block.GetX() + w / 2 : block.GetX() + w / 2 - 16;
    const int ly = vertical ? block.GetY() + h / 2 - 16 : block.GetY() + h / 2 - 32;
    DrawPicture(*label, lx, ly, 32, 32);
}

void BlockPainter::DrawCaption(CState& block)
{
    const wxString caption = BlockCaption(block);
    if (caption.empty())
        return;
    if (!m_fontSet) {
        m_gc->SetFont(wxFont(9, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL), *wxBLACK);
        m_fontSet = true;
    }
    // Most captions of a drawing repeat ("0", "10", ...): each is measured (and shortened) once.
    const bool condition = block.IsCondition(), wide = condition || block.GetCategory() == Category::Variable;
    // A comparison too long keeps its operator and value whole and shortens the name before them.
    const size_t tail = condition ? caption.length() - block.ResolvedName().length() : 0;
    const auto key = std::make_tuple(caption, wide, tail);
    auto found = m_texts.find(key);
    if (found == m_texts.end())
        found = m_texts.emplace(key, FitText(caption, wide ? kWideTextMaxWidth : kTextMaxWidth, tail)).first;
    const FittedText& fitted = found->second;
    const double top = condition ? kPlateTop : kTextBandTop, bottom = condition ? kPlateBottom : kTextBandBottom;
    const double x = block.GetX() + 48 - fitted.width / 2, y = block.GetY() + (top + bottom - fitted.height) / 2;
    if (condition || fitted.width > kTextMaxWidth) {
        m_gc->SetPen(wxPen(wxColour(120, 120, 120)));
        m_gc->SetBrush(*wxWHITE_BRUSH);
        m_gc->DrawRoundedRectangle(x - 2, block.GetY() + top, fitted.width + 4, bottom - top, 3);
    }
    m_gc->DrawText(fitted.shown, x, y);
}

BlockPainter::FittedText BlockPainter::FitText(const wxString& text, double maxWidth, size_t tail) const
{
    FittedText fitted{text, 0, 0};
    m_gc->GetTextExtent(text, &fitted.width, &fitted.height);
    if (fitted.width <= maxWidth)
        return fitted;
    // The longest start of the text that fits with an ellipsis (and the tail) after it; the
    // tooltip shows it whole. A tail that does not fit even alone is shortened like the rest.
    const wxString ellipsis = wxString::FromUTF8("\u2026");
    const wxString end = ellipsis + text.Right(tail);
    double width = 0, height = 0;
    m_gc->GetTextExtent(end, &width, &height);
    if (tail > 0 && width > maxWidth)
        return FitText(text, maxWidth, 0);
    size_t fits = 0, fails = text.length() - tail;
    while (fails - fits > 1) {
        const size_t length = (fits + fails) / 2;
        m_gc->GetTextExtent(text.Left(length) + end, &width, &height);
        (width <= maxWidth ? fits : fails) = length;
    }
    fitted.shown = text.Left(fits) + end;
    m_gc->GetTextExtent(fitted.shown, &fitted.width, &fitted.height);
    return fitted;
}

void BlockPainter::DrawTree(CState* root, const CState* skipped)
{
    // Iterative walk in the canvas's order: the block, then every block of its son's row, then of
    // its branch son's row, each subtree completed before the next.
    // A damaged graph with a cycle through owned links is drawn once, never walked forever.
    std::unordered_set<const CState*> seen;
    std::vector<CState*> stack{root};
    while (!stack.empty()) {
        CState* block = stack.back();
        stack.pop_back();
        if (!seen.insert(block).second)
            continue;
        if (m_path && IsReplaced(block))
            continue; // the path being laid takes its place

        if (block != skipped)
            DrawBlock(*block, false);
        std::vector<CState*> next;
        for (CState* successor : {block->GetSon(), block->GetBranchSon(0)}) {
            if (!successor)
                continue;
            if (block->GetParent() && successor->GetParent() != block)
                continue; // a loop or join: drawn where it is owned
            for (CState* member = successor->LeftmostOfRow(); member; member = member->GetRowNeighbour(1))
                next.push_back(member);
        }
        for (auto it = next.rbegin(); it != next.rend(); ++it)
            stack.push_back(*it);
    }
}

bool BlockPainter::IsReplaced(const CState* block) const
{
    const std::vector<CState*>& replaced = m_path->Replaced();
    return std::find(replaced.begin(), replaced.end(), block) != replaced.end();
}

wxImage BlendedDragPicture(const CState& block)
{
    CState& shown = const_cast<CState&>(block);
    const WxBlockImage* tile = AsWx(shown.GetBlueTile());
    const WxBlockImage* picture = AsWx(shown.DisplayedImage());
    wxImage result = tile ? tile->Image().Copy() : picture ? picture->Image().Copy() : wxImage();
    if (!result.IsOk() || !picture || !tile)
        return result;
    if (!result.HasAlpha())
        result.InitAlpha();
    const wxImage& top = picture->Image();
    const int width = std::min(result.GetWidth(), top.GetWidth());
    const int height = std::min(result.GetHeight(), top.GetHeight());
    unsigned char* rgb = result.GetData();
    unsigned char* alpha = result.GetAlpha();
    const unsigned char* topRgb = top.GetData();
    const unsigned char* topAlpha = top.HasAlpha() ? top.GetAlpha() : nullptr;
    // The picture over the tile, each pixel mixed by the picture's own alpha.
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int i = y * result.GetWidth() + x, j = y * top.GetWidth() + x;
            const int a = topAlpha ? topAlpha[j] : 255;
            for (int c = 0; c < 3; ++c)
                rgb[3 * i + c] = static_cast<unsigned char>((topRgb[3 * j + c] * a + rgb[3 * i + c] * (255 - a)) / 255);
            alpha[i] = static_cast<unsigned char>(a + alpha[i] * (255 - a) / 255);
        }
    return result;
}

void DrawBlock(CState& block, wxGraphicsContext* gc, bool highlighted, bool sharp)
{
    BlockPainter painter(gc);
    painter.SetSharp(sharp);
    painter.DrawBlock(block, highlighted);
}

void DrawTree(CState* root, wxGraphicsContext* gc, bool sharp)
{
    BlockPainter painter(gc);
    painter.SetSharp(sharp);
    if (root)
        painter.DrawTree(root, nullptr);
}
