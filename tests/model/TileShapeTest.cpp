// Tile choice, drawn shapes of link pieces and conditions, and block geometry.
#include "model/CProgram.h"
#include "model/Prototypes.h"
#include "model/StateKinds.h"

#include <gtest/gtest.h>
#include <set>

namespace {
// A store that hands out 96-unit pictures and remembers every path asked for.
class RecordingStore : public ImageStore
{
public:
    struct Picture : BlockImage
    {
        wxString path;
        explicit Picture(const wxString& p) : path(p) {}
        int Width() const override { return 96; }
        int Height() const override { return 96; }
    };
    ImageHandle Load(const wxString& relativePath) override
    {
        asked.push_back(relativePath);
        if (missing.count(relativePath))
            return {};
        return std::make_shared<Picture>(relativePath);
    }
    std::vector<wxString> asked;
    std::set<wxString> missing;
};

wxString PathOf(const ImageHandle& handle)
{
    return handle ? static_cast<const RecordingStore::Picture&>(*handle).path : wxString("(none)");
}

struct WithStore : ::testing::Test
{
    RecordingStore store;
    ImageStore* previous = nullptr;
    CProgram program;
    void SetUp() override
    {
        previous = GetImageStore();
        InstallImageStore(&store);
    }
    void TearDown() override
    {
        program.Destroy();
        InstallImageStore(previous);
    }
    // A link piece cloned from the four-way link prototype, at a position.
    CState* Piece(int x, int y, int mask = Connector::FullVertical)
    {
        CState* piece = Prototypes::Get().LinkPrototype()->Clone();
        piece->SetConnectorMask(mask);
        piece->SetPosition(x, y);
        return piece;
    }
    static void Link(CState* parent, CState* son)
    {
        parent->SetSon(son);
        son->SetParent(parent);
    }
};

int Shape(int top, int right, int bottom, int left)
{
    return Connector::Pack(top, right, bottom, left);
}
} // namespace

TEST(TileNames, RegularHalfAndFallbackNames)
{
    EXPECT_EQ(TileFileName(Shape(2, 0, 1, 0), false), "top2right0bottom1left0.png");
    EXPECT_EQ(TileFileName(Shape(2, 0, 1, 0), true), "top2right0bottom1left0_half.png");
    EXPECT_EQ(TileFileName(Shape(0, 1, 0, 2), true), "top0right1bottom0left2_half.png");
    // No file for four exits: the four-way fallback.
    EXPECT_EQ(TileFileName(Shape(1, 1, 1, 1), false), "top2right1bottom1left2.png");
    // Half on a shape without a half tile: the fallback, not the full-length tile.
    EXPECT_EQ(TileFileName(Shape(2, 1, 0, 0), true), "top2right1bottom1left2.png");
    EXPECT_EQ(TileFileName(Shape(2, 1, 0, 0), false), "top2right1bottom0left0.png");
    EXPECT_EQ(TileFileName(0, false), "top2right1bottom1left2.png");
}

TEST(TileNames, EveryListedShapeHasItsOwnFile)
{
    // The 43 regular shapes and two halves: 45 distinct names per set.
    std::set<wxString> names;
    for (int shape = 0; shape < 256; ++shape)
        for (bool half : {false, true}) {
            int t = Connector::Top(shape), r = Connector::Right(shape), b = Connector::Bottom(shape),
                l = Connector::Left(shape);
            if (t == 3 || r == 3 || b == 3 || l == 3)
                continue;
            names.insert(TileFileName(shape, half));
        }
    EXPECT_EQ(names.size(), 45u);
}

TEST_F(WithStore, TilesComeFromTheirSetFolders)
{
    EXPECT_EQ(PathOf(TileFor(TileSet::Blue, Shape(2, 0, 1, 0), false)),
              "Img/State/background_blue/top2right0bottom1left0.png");
    EXPECT_EQ(PathOf(TileFor(TileSet::Red, Shape(1, 1, 1, 1), false)),
              "Img/State/background_red/top2right1bottom1left2.png");
    EXPECT_EQ(PathOf(TileFor(TileSet::Link, Shape(2, 0, 1, 0), true)),
              "Img/State/link/top2right0bottom1left0_half.png");
}

TEST_F(WithStore, LoadImagesOfABlockAndOfALinkPiece)
{
    store.missing.insert("Img/State/Wait_on.png");
    store.missing.insert("Img/State/Wait_off.png");
    CState* wait = Prototypes::Get().At(PalettePage::Action, 0)->Clone();
    wait->LoadImages(0x96);
    EXPECT_EQ(PathOf(wait->GetBlueTile()), "Img/State/background_blue/top2right1bottom1left2.png");
    EXPECT_EQ(PathOf(wait->GetRedTile()), "Img/State/background_red/top2right1bottom1left2.png");
    EXPECT_EQ(PathOf(wait->GetPaletteIcon()), "Img/State/icons/Wait.png");
    EXPECT_EQ(PathOf(wait->GetMainImage()), "Img/State/Wait.png");
    EXPECT_EQ(PathOf(wait->DisplayedImage()), "Img/State/Wait.png");
    EXPECT_FALSE(wait->HasLinkTile());

    CState* piece = Piece(0, 0, Connector::FullVertical);
    EXPECT_TRUE(piece->HasLinkTile());
    EXPECT_EQ(PathOf(piece->GetMainImage()), "Img/State/link/top2right0bottom1left0.png");
    piece->MakeHalf();
    EXPECT_EQ(PathOf(piece->GetMainImage()), "Img/State/link/top2right0bottom1left0_half.png");
    delete wait;
    delete piece;
}

TEST_F(WithStore, OnPictureOnlyForPlacedBlocksWithTheParameterOn)
{
    CState* prototype = Prototypes::Get().At(PalettePage::Action, 1); // Buzzer
    CState* buzzer = prototype->Clone();
    buzzer->LoadImages(0x96);
    EXPECT_EQ(PathOf(buzzer->DisplayedImage()), "Img/State/Buzzer_off.png");
    buzzer->SetParameterValue(1);
    EXPECT_EQ(PathOf(buzzer->DisplayedImage()), "Img/State/Buzzer_on.png");
    // The palette's prototype has no clone source: it never shows its on picture.
    prototype->LoadImages(0x96);
    prototype->SetParameterValue(1);
    EXPECT_EQ(PathOf(prototype->DisplayedImage()), "Img/State/Buzzer_off.png");
    prototype->SetParameterValue(0);
    delete buzzer;
}

TEST_F(WithStore, LinkPieceShapeFollowsItsFlow)
{
    CState* root = program.EnsureRoot();
    CState* piece = Piece(root->GetX(), root->GetY() + 60);
    Link(root, piece);
    // Parent above, no son: entry on top, the loose end continues down.
    piece->RefreshShape();
    EXPECT_EQ(piece->GetDrawnShape(), Shape(2, 0, 1, 0));
    EXPECT_EQ(PathOf(piece->GetMainImage()), "Img/State/link/top2right0bottom1left0.png");

    // A son to its right: top 2, right 1; the connector mask itself is left alone.
    CState* right = Piece(piece->GetX() + 60, piece->GetY(), Connector::FullHorizontal);
    Link(piece, right);
    const int maskBefore = piece->GetConnectorMask();
    piece->RefreshShape();
    EXPECT_EQ(piece->GetDrawnShape(), Shape(2, 1, 0, 0));
    EXPECT_EQ(PathOf(piece->GetBlueTile()), "Img/State/background_blue/top2right1bottom0left0.png");
    EXPECT_EQ(PathOf(piece->GetMainImage()), "Img/State/link/top2right1bottom0left0.png");
    EXPECT_EQ(piece->GetConnectorMask(), maskBefore);

    // A join coming in from the left adds an entry there.
    CState* join = Piece(piece->GetX() - 60, piece->GetY(), Connector::FullHorizontal);
    piece->SetExtraParent(0, join);
    piece->RefreshShape();
    EXPECT_EQ(piece->GetDrawnShape(), Shape(2, 1, 0, 2));
    piece->SetExtraParent(0, nullptr);
    delete join;
}

TEST_F(WithStore, LoosePieceKeepsTheShapeItWasMadeWith)
{
    // The palette's link prototypes are joined to nothing: each shows its own corner or straight.
    for (size_t i = 0; i < 6; ++i) {
        CState* prototype = Prototypes::Get().At(PalettePage::Link, i);
        prototype->LoadImages(prototype->GetConnectorMask());
        prototype->RefreshShape();
        EXPECT_EQ(prototype->GetDrawnShape(), prototype->GetConnectorMask()) << i;
    }
    CState* corner = Prototypes::Get().At(PalettePage::Link, 2); // 0x14: exits right and down
    EXPECT_EQ(PathOf(corner->GetMainImage()), "Img/State/link/top0right1bottom1left0.png");
}

TEST_F(WithStore, TilesAreReloadedOnlyWhenTheShapeChanges)
{
    CState* root = program.EnsureRoot();
    CState* piece = Piece(root->GetX(), root->GetY() + 60);
    Link(root, piece);
    piece->RefreshShape();
    const size_t loads = store.asked.size();
    piece->RefreshShape();
    piece->RefreshShape();
    EXPECT_EQ(store.asked.size(), loads);
}

TEST_F(WithStore, ConditionShapeFromItsParentAndExits)
{
    CState* root = program.EnsureRoot();
    CState* piece = Piece(root->GetX(), root->GetY() + 60);
    Link(root, piece);
    CState* condition = Prototypes::Get().At(PalettePage::Sensor, 0)->Clone(); // Switch1
    condition->SetPosition(piece->GetX(), piece->GetY() + 60);
    condition->RefreshShape();
    EXPECT_EQ(condition->GetDrawnShape(), 0); // no parent yet
    Link(piece, condition);
    condition->SetSonExitSide(Direction::Down);
    condition->SetBranchExitSide(Direction::Right);
    condition->RefreshShape();
    EXPECT_EQ(condition->GetDrawnShape(), Shape(2, 1, 1, 0));
    EXPECT_EQ(PathOf(condition->GetBlueTile()), "Img/State/background_blue/top2right1bottom1left0.png");

    condition->SetBranchExitSide(Direction::Left);
    condition->RefreshShape();
    EXPECT_EQ(condition->GetDrawnShape(), Shape(2, 0, 1, 1));
    // Any other block keeps its drawn shape.
    EXPECT_EQ(root->FlowShape(), root->GetDrawnShape());
}

TEST_F(WithStore, GeometryOfAStandardBlock)
{
    CState* block = Prototypes::Get().At(PalettePage::Action, 0)->Clone();
    block->SetPosition(100, 200);
    block->SetConnectorMask(Connector::FullVertical); // top and bottom only
    auto rect = block->GetAnchorRect(Direction::Down);
    EXPECT_EQ((std::vector<int>{rect.x, rect.y, rect.width, rect.height}), (std::vector<int>{116, 264, 64, 32}));
    rect = block->GetAnchorRect(Direction::Right);
    EXPECT_TRUE(rect.IsEmpty());
    EXPECT_EQ(rect.x, -1);
    rect = block->GetAnchorRect(Direction::Right, true);
    EXPECT_EQ((std::vector<int>{rect.x, rect.y, rect.width, rect.height}), (std::vector<int>{164, 216, 32, 64}));
    rect = block->GetAnchorRect(7);
    EXPECT_EQ((std::vector<int>{rect.x, rect.y, rect.width, rect.height}), (std::vector<int>{116, 216, 64, 64}));

    // One flowchart step is 60 units in every direction.
    EXPECT_EQ(block->GetNeighbourPoint(Direction::Down).y, 260);
    EXPECT_EQ(block->GetNeighbourPoint(Direction::Up).y, 140);
    EXPECT_EQ(block->GetNeighbourPoint(Direction::Right).x, 160);
    EXPECT_EQ(block->GetNeighbourPoint(Direction::Left).x, 40);
    // The connector point of a direction lies on the opposite side.
    EXPECT_EQ(block->GetConnectorPoint(Direction::Down).y, 216);
    EXPECT_EQ(block->GetConnectorPoint(Direction::Up).y, 280);
    EXPECT_EQ(block->GetConnectorPoint(Direction::Right).x, 116);
    EXPECT_EQ(block->GetConnectorPoint(Direction::Left).x, 180);
    delete block;
}
