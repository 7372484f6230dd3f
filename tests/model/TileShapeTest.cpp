// Tile choice, the pictures a block loads, drawn shapes of link pieces and conditions, geometry.
#include "support/Blocks.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

using namespace testing_support;

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
        return missing.count(relativePath) ? ImageHandle() : std::make_shared<Picture>(relativePath);
    }
    std::vector<wxString> asked;
    std::set<wxString> missing;
};

wxString PathOf(const ImageHandle& handle)
{
    return handle ? static_cast<const RecordingStore::Picture&>(*handle).path : wxString("(none)");
}

int Shape(int top, int right, int bottom, int left)
{
    return Connector::Pack(top, right, bottom, left);
}

struct WithStore : ::testing::Test
{
    RecordingStore store;
    ImageStore* previous = GetImageStore();
    CProgram program;
    CState* root = nullptr;
    void SetUp() override
    {
        InstallImageStore(&store);
        root = program.EnsureRoot();
    }
    void TearDown() override
    {
        program.Destroy();
        InstallImageStore(previous);
    }
    // A link piece one step below the root, its son.
    CState* PieceBelowRoot()
    {
        CState* piece = Make("Link");
        piece->SetConnectorMask(Connector::FullVertical);
        piece->SetPosition(root->GetX(), root->GetY() + 60);
        return Son(root, piece);
    }
};
} // namespace

TEST(TileNames, RegularHalfAndFallbackNames)
{
    const struct
    {
        int shape;
        bool half;
        const char* file;
    } cases[] = {
        {Shape(2, 0, 1, 0), false, "top2right0bottom1left0.png"},
        {Shape(2, 0, 1, 0), true, "top2right0bottom1left0_half.png"},
        {Shape(0, 1, 0, 2), true, "top0right1bottom0left2_half.png"},
        {Shape(1, 1, 1, 1), false, "top2right1bottom1left2.png"}, // no file for four exits: the fallback
        {Shape(2, 1, 0, 0), true, "top2right1bottom1left2.png"},  // half without a half tile: the fallback
        {Shape(2, 1, 0, 0), false, "top2right1bottom0left0.png"},
        {0, false, "top2right1bottom1left2.png"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TileFileName(c.shape, c.half), c.file) << c.shape << " " << c.half;
    // The 43 regular shapes and two halves: 45 distinct names per set.
    std::set<wxString> names;
    for (int shape = 0; shape < 256; ++shape)
        for (bool half : {false, true})
            if (Connector::Top(shape) != 3 && Connector::Right(shape) != 3 && Connector::Bottom(shape) != 3 &&
                Connector::Left(shape) != 3)
                names.insert(TileFileName(shape, half));
    EXPECT_EQ(names.size(), 45u);
}

TEST_F(WithStore, TilesAndPicturesComeFromTheirFolders)
{
    EXPECT_EQ(PathOf(TileFor(TileSet::Blue, Shape(2, 0, 1, 0), false)),
              "Img/State/background_blue/top2right0bottom1left0.png");
    EXPECT_EQ(PathOf(TileFor(TileSet::Red, Shape(1, 1, 1, 1), false)),
              "Img/State/background_red/top2right1bottom1left2.png");
    EXPECT_EQ(PathOf(TileFor(TileSet::Link, Shape(2, 0, 1, 0), true)),
              "Img/State/link/top2right0bottom1left0_half.png");

    store.missing = {"Img/State/Wait_on.png", "Img/State/Wait_off.png"};
    CState* wait = Make("Wait");
    wait->LoadImages(0x96);
    EXPECT_EQ(PathOf(wait->GetRedTile()), "Img/State/background_red/top2right1bottom1left2.png");
    EXPECT_EQ(PathOf(wait->GetPaletteIcon()), "Img/State/icons/Wait.png");
    EXPECT_EQ(PathOf(wait->DisplayedImage()), "Img/State/Wait.png");
    EXPECT_FALSE(wait->HasLinkTile());
    CState* piece = Make("Link");
    piece->SetConnectorMask(Connector::FullVertical);
    EXPECT_TRUE(piece->HasLinkTile());
    EXPECT_EQ(PathOf(piece->GetMainImage()), "Img/State/link/top2right0bottom1left0.png");
    piece->MakeHalf();
    EXPECT_EQ(PathOf(piece->GetMainImage()), "Img/State/link/top2right0bottom1left0_half.png");

    // The on picture only for a placed block with its parameter on, never for the palette's prototype.
    CState* buzzer = Make("Buzzer");
    buzzer->LoadImages(0x96);
    EXPECT_EQ(PathOf(buzzer->DisplayedImage()), "Img/State/Buzzer_off.png");
    buzzer->SetParameterValue(1);
    EXPECT_EQ(PathOf(buzzer->DisplayedImage()), "Img/State/Buzzer_on.png");
    CState* prototype = Proto(KindId::Buzzer);
    prototype->LoadImages(0x96);
    prototype->SetParameterValue(1);
    EXPECT_EQ(PathOf(prototype->DisplayedImage()), "Img/State/Buzzer_off.png");
    prototype->SetParameterValue(0);
    for (CState* block : {wait, piece, buzzer})
        delete block;
}

TEST_F(WithStore, EachStoreIsAskedOnceForAKindsPicturesAndTiles)
{
    RecordingStore next;
    for (RecordingStore* asked : {&store, &next}) {
        InstallImageStore(asked);
        for (int i = 0; i < 2; ++i)
            delete Make("Wait");
        for (const char* path : {"Img/State/Wait.png", "Img/State/background_red/top2right1bottom1left2.png"})
            EXPECT_EQ(std::count(asked->asked.begin(), asked->asked.end(), path), 1) << path;
    }
}

TEST_F(WithStore, LinkPieceShapeFollowsItsFlowAndLoosePiecesKeepTheirOwn)
{
    CState* piece = PieceBelowRoot();
    piece->RefreshShape(); // parent above, no son: entry on top, the loose end continues down
    EXPECT_EQ(piece->GetDrawnShape(), Shape(2, 0, 1, 0));
    const size_t loads = store.asked.size();
    piece->RefreshShape(); // tiles are reloaded only when the shape changes
    EXPECT_EQ(store.asked.size(), loads);

    CState* right = Make("Link");
    right->SetPosition(piece->GetX() + 60, piece->GetY());
    Son(piece, right);
    const int maskBefore = piece->GetConnectorMask();
    piece->RefreshShape();
    EXPECT_EQ(piece->GetDrawnShape(), Shape(2, 1, 0, 0)); // a son to its right
    EXPECT_EQ(PathOf(piece->GetBlueTile()), "Img/State/background_blue/top2right1bottom0left0.png");
    EXPECT_EQ(PathOf(piece->GetMainImage()), "Img/State/link/top2right1bottom0left0.png");
    EXPECT_EQ(piece->GetConnectorMask(), maskBefore);
    CState* join = Make("Link");
    join->SetPosition(piece->GetX() - 60, piece->GetY());
    piece->SetExtraParent(0, join); // a join from the left adds an entry there
    piece->RefreshShape();
    EXPECT_EQ(piece->GetDrawnShape(), Shape(2, 1, 0, 2));
    piece->SetExtraParent(0, nullptr);
    delete join;

    // The palette's link prototypes are joined to nothing: each shows its own corner or straight.
    for (size_t i = 0; i < 6; ++i) {
        CState* prototype = Prototypes::Get().At(PalettePage::Link, i);
        prototype->LoadImages(prototype->GetConnectorMask());
        prototype->RefreshShape();
        EXPECT_EQ(prototype->GetDrawnShape(), prototype->GetConnectorMask()) << i;
    }
    EXPECT_EQ(PathOf(Proto(KindId::LinkTopLeft)->GetMainImage()), "Img/State/link/top0right1bottom1left0.png");
}

TEST_F(WithStore, ConditionShapeFromItsParentAndExits)
{
    CState* piece = PieceBelowRoot();
    CState* condition = Make("Switch1");
    condition->SetPosition(piece->GetX(), piece->GetY() + 60);
    condition->RefreshShape();
    EXPECT_EQ(condition->GetDrawnShape(), 0); // no parent yet
    Son(piece, condition);
    condition->SetBranchExitSide(Direction::Right);
    condition->RefreshShape();
    EXPECT_EQ(condition->GetDrawnShape(), Shape(2, 1, 1, 0));
    EXPECT_EQ(PathOf(condition->GetBlueTile()), "Img/State/background_blue/top2right1bottom1left0.png");
    condition->SetBranchExitSide(Direction::Left);
    condition->RefreshShape();
    EXPECT_EQ(condition->GetDrawnShape(), Shape(2, 0, 1, 1));
    EXPECT_EQ(root->FlowShape(), root->GetDrawnShape()); // any other block keeps its drawn shape
}

TEST(Geometry, AnchorsNeighbourAndConnectorPointsOfABlock)
{
    CState* block = Make("Wait");
    block->SetPosition(100, 200);
    block->SetConnectorMask(Connector::FullVertical); // top and bottom only
    auto Rect = [](const CGraphicState::Rect& r) { return std::vector<int>{r.x, r.y, r.width, r.height}; };
    EXPECT_EQ(Rect(block->GetAnchorRect(Direction::Down)), (std::vector<int>{116, 264, 64, 32}));
    EXPECT_TRUE(block->GetAnchorRect(Direction::Right).IsEmpty());
    EXPECT_EQ(block->GetAnchorRect(Direction::Right).x, -1);
    EXPECT_EQ(Rect(block->GetAnchorRect(Direction::Right, true)), (std::vector<int>{164, 216, 32, 64}));
    EXPECT_EQ(Rect(block->GetAnchorRect(7)), (std::vector<int>{116, 216, 64, 64}));
    // One flowchart step is 60 units in every direction; the connector point lies on the opposite side.
    EXPECT_EQ(block->GetNeighbourPoint(Direction::Down).y, 260);
    EXPECT_EQ(block->GetNeighbourPoint(Direction::Up).y, 140);
    EXPECT_EQ(block->GetNeighbourPoint(Direction::Right).x, 160);
    EXPECT_EQ(block->GetNeighbourPoint(Direction::Left).x, 40);
    EXPECT_EQ(block->GetConnectorPoint(Direction::Down).y, 216);
    EXPECT_EQ(block->GetConnectorPoint(Direction::Up).y, 280);
    EXPECT_EQ(block->GetConnectorPoint(Direction::Right).x, 116);
    EXPECT_EQ(block->GetConnectorPoint(Direction::Left).x, 180);
    delete block;
}
