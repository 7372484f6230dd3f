// The shipped examples are drawn as a pupil draws with the editor: every path ends at a block or
// runs on through drawn link pieces (no loose end), a link piece follows every block, every link
// joins blocks one step apart (so the canvas draws it), and each compiles to the image kept
// beside its name in tests/data/examples.

#include "bytecode/ProgramCompiler.h"
#include "model/GraphCheck.h"
#include "support/Blocks.h"
#include "support/ProjectText.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {
const std::string kExamples = std::string(TAMEK_TEST_DATA) + "/../../examples/";

struct Example : ::testing::TestWithParam<std::string>
{
};
} // namespace

TEST_P(Example, IsDrawnWithoutLooseEndsAndCompiles)
{
    CProgram program;
    program.EnsureRoot();
    program.ResetPrototypeNames();
    ASSERT_TRUE(ReadString(program, DataFile(kExamples + GetParam() + ".tamek")));
    wxString problem;
    EXPECT_TRUE(CheckGraph(program, &problem)) << problem;
    program.ForEachBlock([](CState* block) {
        const std::string where = block->GetKindWordRaw().ToStdString() + " at " + std::to_string(block->GetX()) + "," +
                                  std::to_string(block->GetY());
        if (block->IsLinkPiece()) {
            EXPECT_TRUE(block->GetSon()) << "a loose end: " << where;
        }
        if (block->IsCondition()) {
            EXPECT_TRUE(block->GetSon() && block->GetBranchSon(0)) << "an exit leads nowhere: " << where;
        }
        for (const CState* next : {block->GetSon(), block->GetBranchSon(0)}) {
            if (!next)
                continue;
            EXPECT_EQ(std::abs(next->GetX() - block->GetX()) + std::abs(next->GetY() - block->GetY()), kStepUnits)
                << "a link the canvas does not draw, from " << where;
            // The editor lays a link piece after every block it places.
            EXPECT_TRUE(block->IsLinkPiece() || next->IsLinkPiece()) << "no link piece after " << where;
        }
    });
    const unsigned char* image = nullptr;
    int length = 0;
    ASSERT_TRUE(CompileProgram(program, DefaultCalibration(), image, length));
    EXPECT_EQ(Hex(image, length) + "\n", DataFile("examples/" + GetParam() + ".hex"));
    program.ResetPrototypeNames();
}

INSTANTIATE_TEST_SUITE_P(Shipped, Example, ::testing::ValuesIn(ProjectNames(kExamples)),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });
