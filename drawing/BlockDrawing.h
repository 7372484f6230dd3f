#pragma once
// Drawing blocks: the stack of pictures of one block (tile, image, condition overlays, exit
// labels, parameter text) and the walk over the program tree that the canvas and the printout share.

#include "model/ImageStore.h"

#include <map>
#include <tuple>
#include <wx/image.h>
#include <wx/string.h>

class CState;
class LinkPath;
class wxGraphicsContext;
class wxImage;

// Draws blocks into one graphics context; keeps what every block of a drawing shares (the
// overlays, the labels, the font), and optionally skips blocks outside a visible rectangle.
class BlockPainter
{
public:
    explicit BlockPainter(wxGraphicsContext* gc);
    // Blocks whose 96-unit box lies wholly outside this rectangle (drawing units) are skipped.
    void SetVisibleArea(double x, double y, double width, double height);
    // Draws the sharper versions of the pictures (for zoomed-in views and printing).
    void SetSharp(bool sharp) { m_sharp = sharp; }
    // A link path being laid: the pieces it replaces are not drawn, and the blocks it starts from
    // and leads onto show their shapes with it.
    void ShowPath(const LinkPath* path) { m_path = path; }
    // Gives every block its caption (parameter, assignment, comparison), also a block that no canvas shows (a picture
    // drawn without a window); otherwise only blocks on a canvas carry it, palette prototypes not.
    void SetAllTexts(bool all) { m_allTexts = all; }

    // Draws one block, with the red tile when highlighted.
    void DrawBlock(CState& block, bool highlighted);
    // Draws the tree below and including block, skipping the block given as skipped (the current
    // block, drawn last by the caller).
    void DrawTree(CState* block, const CState* skipped);

private:
    bool IsVisible(const CState& block) const;
    bool IsReplaced(const CState* block) const;
    void DrawPicture(const ImageHandle& picture, double x, double y);
    void DrawPicture(const ImageHandle& picture, double x, double y, double width, double height);
    void DrawExitLabel(CState& block);
    // The block's caption (its parameter, assignment or comparison), whole or shortened.
    void DrawCaption(CState& block);
    // A caption as drawn: whole, or shortened with an ellipsis to fit the block.
    struct FittedText
    {
        wxString shown;
        double width, height;
    };
    // tail: the characters at the end that stay whole (the ellipsis stands before them).
    FittedText FitText(const wxString& text, double maxWidth, size_t tail) const;

    wxGraphicsContext* m_gc;
    ImageHandle m_overlays[4];
    ImageHandle m_yes, m_no;
    bool m_fontSet = false;
    // By caption, whether it may take the wide room of a variable or a condition, and its tail.
    std::map<std::tuple<wxString, bool, size_t>, FittedText> m_texts;
    bool m_clipped = false;
    bool m_sharp = false;
    const LinkPath* m_path = nullptr;
    bool m_allTexts = false;
    double m_left = 0, m_top = 0, m_right = 0, m_bottom = 0;
};

// What a drawing writes on a block: an action's parameter, a variable's assignment ("x = x + 1"),
// the comparison of a variable test or a detector ("y > 7"); "" for the others. The tooltip
// (CState::GetLabel) says it whole where the block has to shorten it.
wxString BlockCaption(const CState& block);

// One block drawn on its own (with the sharper pictures when asked).
void DrawBlock(CState& block, wxGraphicsContext* gc, bool highlighted, bool sharp = false);
// The program tree from root drawn the way the canvas does: every block but the current one.
void DrawTree(CState* root, wxGraphicsContext* gc, bool sharp = false);

// The drag picture of a block: its displayed image blended over its blue tile (alpha blend as the
// palette's drag does), unscaled.
wxImage BlendedDragPicture(const CState& block);
