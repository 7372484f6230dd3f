#include "model/CProgram.h"
#include "model/Prototypes.h"
#include "model/StateKinds.h"

#include <gtest/gtest.h>

namespace {
CState* Proto(PalettePage page, size_t i) { return Prototypes::Get().At(page, i); }

struct ProgramFixture : ::testing::Test
{
    CProgram program;
    void SetUp() override { program.EnsureRoot(); }
};
} // namespace

TEST(Kinds, WordsCategoriesAndMasks)
{
    CState* wait = Proto(PalettePage::Action, 0);
    EXPECT_EQ(wait->GetKindWord(), "Wait");
    EXPECT_EQ(wait->GetDisplayName(), "Wacht");
    EXPECT_EQ(wait->GetCategory(), Category::Action);
    EXPECT_EQ(wait->GetConnectorMask(), 0x96);
    EXPECT_EQ(wait->GetParameterIndex(), 0);
    EXPECT_EQ(wait->ParameterMaximum(), 20000);

    CState* turnLeft = Proto(PalettePage::Action2, 2);
    EXPECT_EQ(turnLeft->GetDisplayName(), "TourneDroite");
    EXPECT_EQ(turnLeft->GetPrompt(), wxString(L"Stel verdraaiingshoek in [-90\u00b0 ; 90\u00b0]:"));
    EXPECT_EQ(Proto(PalettePage::Action, 7)->GetPrompt(), wxString(L"Entrez le nombre de r\u00e9petition:"));
    EXPECT_EQ(Proto(PalettePage::Link, 0)->GetKindWord(), "Link");
    EXPECT_EQ(Proto(PalettePage::Link, 0)->GetConnectorMask(), 0x90);
    EXPECT_EQ(Proto(PalettePage::Sensor, 5)->GetCategory(), Category::Variable);
    EXPECT_TRUE(Proto(PalettePage::Action, 8)->GetPrompt().empty());
}

TEST(Kinds, ServoPromptFollowsCalibrationModeBits)
{
    CState* servo = Proto(PalettePage::Action, 5);
    CState* clone = servo->Clone();
    servo->SetParameterRange(-10, 10);
    servo->SetCalibrationModeBits(2);
    EXPECT_EQ(clone->GetPrompt(), "Stel snelheidsindicatie in [-10 ; 10]:");
    servo->SetCalibrationModeBits(0);
    servo->SetParameterRange(-60, 60);
    EXPECT_EQ(clone->GetPrompt(), wxString(L"Stel verdraaiingshoek in [-60\u00b0 ; 60\u00b0]:"));
    servo->SetParameterRange(-90, 90);
    delete clone;
}

TEST(Factories, PrototypeByNameIgnoresCase)
{
    CState* wait = Proto(PalettePage::Action, 0);
    EXPECT_EQ(PrototypeByName("wait"), wait);
    EXPECT_EQ(PrototypeByName("WAIT"), wait);
    EXPECT_EQ(PrototypeByName("LinkTopLeft"), Prototypes::Get().LinkPrototype());
    EXPECT_EQ(PrototypeByName("nothing"), nullptr);
    CState* a = PrototypeByName("Start");
    CState* b = PrototypeByName("start");
    EXPECT_NE(a, b);
    delete a;
    delete b;
}

TEST_F(ProgramFixture, BlockFromFileWordSetsLinkShapesAndVariables)
{
    CState* half = BlockFromFileWord("LinkHalf", program);
    EXPECT_TRUE(half->IsHalf());
    CState* corner = BlockFromFileWord("LinkTopLeft", program);
    EXPECT_EQ(corner->GetConnectorMask(), 0x14);
    CState* variable = BlockFromFileWord("Variable", program);
    EXPECT_EQ(variable->GetVariableIndex(), 0);
    EXPECT_EQ(program.GetNextVariableIndex(), 1);
    EXPECT_EQ(BlockFromFileWord("Nope", program), nullptr);
    program.Variables().Clear();
    delete half;
    delete corner;
    delete variable;
}

TEST(Names, ClonesOfSensorsFollowThePrototypeVariablesKeepTheirOwn)
{
    CState* switch1 = Proto(PalettePage::Sensor, 0);
    CState* clone = switch1->Clone();
    switch1->SetName("Bumper");
    EXPECT_EQ(clone->ResolvedName(), "Bumper");
    switch1->SetName(switch1->GetDefaultName());
    CState* var = Proto(PalettePage::Sensor, 5)->Clone();
    var->SetName("x");
    EXPECT_EQ(var->ResolvedName(), "x");
    delete clone;
    delete var;
}

TEST(Conditions, CodesAndExitSides)
{
    CState* detector = Proto(PalettePage::Sensor, 3)->Clone();
    detector->SetConditionOperator("~");
    EXPECT_EQ(detector->ConditionCode(), "NEQ");
    detector->SetConditionFromCode("XYZ");
    EXPECT_EQ(detector->GetConditionOperator(), "==");
    // Son exit bottom, branch exit right; moving the son exit onto the right keeps that connector.
    EXPECT_EQ(detector->GetConnectorMask(), 0x16);
    detector->SetSonExitSide(Direction::Right);
    EXPECT_EQ(Connector::Right(detector->GetConnectorMask()), 1);
    EXPECT_EQ(Connector::Bottom(detector->GetConnectorMask()), 0);
    delete detector;
}

TEST(Addresses, EmptyBlockCoversOneAddress)
{
    CState* wait = Proto(PalettePage::Action, 0)->Clone();
    wait->SetCodeAddress(10);
    CState* out = nullptr;
    EXPECT_FALSE(wait->ContainsAddress(10, out));
    EXPECT_EQ(out, wait);
    EXPECT_TRUE(wait->ContainsAddress(11, out));
    EXPECT_TRUE(wait->ContainsAddress(9, out));
    delete wait;
}

TEST_F(ProgramFixture, FindBlockDoesNotFollowLoopsAndDeleteStopsAtThem)
{
    CState* root = program.GetRoot();
    CState* a = Proto(PalettePage::Action, 0)->Clone();
    CState* b = Proto(PalettePage::Action, 1)->Clone();
    program.InsertAfter(a, root, true);
    program.InsertAfter(b, a, true);
    // b loops back to a.
    b->SetSon(a);
    a->SetExtraParent(0, b);
    a->SetNodeNumber(7);
    EXPECT_EQ(program.FindByNodeNumber(7), a);
    EXPECT_EQ(program.FindByNodeNumber(99), nullptr);
    program.DeleteSubtree(a);
    EXPECT_EQ(a->GetSon(), nullptr);
    EXPECT_EQ(a->GetExtraParent(0), nullptr);
    program.Clear();
    EXPECT_EQ(root->GetSon(), nullptr);
}
