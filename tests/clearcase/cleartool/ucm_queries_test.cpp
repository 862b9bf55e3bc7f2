#include "clearcase/cleartool/ucm_queries.h"

#include <gtest/gtest.h>

#include "query_fixture.h"

namespace clearcase::test {
namespace {

using UcmQueriesTest = QueryTest;

constexpr char kPvob[] = "/vobs/pvob";

TEST_F(UcmQueriesTest, CommandLines) {
  ExpectRuns({
      {[] { CCGetUCMActivitiesForVOB(kPvob); }, {{"lsactivity", "-short", "-invob", "/vobs/pvob"}}},
      {[] { CCGetUCMComponentsForVOB(kPvob); }, {{"lscomp", "-short", "-invob", "/vobs/pvob"}}},
      {[] { CCGetUCMFoldersForVOB(kPvob); }, {{"lsfolder", "-short", "-invob", "/vobs/pvob"}}},
      {[] { CCGetUCMStreamsForVOB(kPvob); }, {{"lsstream", "-short", "-invob", "/vobs/pvob"}}},
      {[] { CCGetUCMProjectsForVOB(kPvob); }, {{"lsproject", "-short", "-invob", "/vobs/pvob"}}},
      {[] { CCGetUCMComponentsForView("/views/dev"); }, {{"lscomp", "-short"}}, "/views/dev"},
      {[] { CCGetUCMStreamsForProject("web", kPvob); },
       {{"lsstream", "-short", "-in", "web@/vobs/pvob"}}},
      {[] { CCGetUCMStreamsForProject("", kPvob); },
       {{"lsstream", "-short", "-invob", "/vobs/pvob"}}},
      {[] { CCGetUCMActivitiesForStream("dev", kPvob); },
       {{"lsactivity", "-short", "-in", "dev@/vobs/pvob"}}},
      {[] { CCGetUCMActivitiesForStream("", kPvob); },
       {{"lsactivity", "-short", "-invob", "/vobs/pvob"}}},
      {[] { CCGetUCMActivitiesForProject("web", kPvob); },
       {{"lsactivity", "-short", "-in", "web@/vobs/pvob"}}},
      {[] { CCGetUCMActivitiesForProject("", kPvob); },
       {{"lsactivity", "-short", "-in", "@/vobs/pvob"}}},
      {[] { CCGetUCMActivities("/views/dev"); }, {{"lsstream", "-long", "-cview"}}, "/views/dev"},
      {[] { CCGetUCMComponentsForStream("dev", kPvob); }, {{"lsstream", "-l", "dev@/vobs/pvob"}}},
      {[] { CCGetUCMComponentsForProject("web", kPvob); }, {{"lsproject", "-l", "web@/vobs/pvob"}}},
      {[] { CCGetUCMPromoLevelsForPVOB(kPvob); }, {{"describe", "vob:/vobs/pvob"}}},
      {[] { CCGetUCMBaselinesForStream("dev", kPvob); },
       {{"lsbl", "-short", "-stream", "dev@/vobs/pvob"}}},
      {[] { CCGetUCMBaselinesForStream("", kPvob); },
       {{"lsstream", "-short", "-invob", "/vobs/pvob"}}},
      {[] { CCGetUCMBaselinesForProject("", kPvob); },
       {{"lsstream", "-short", "-invob", "/vobs/pvob"}}},
  });
}

// Every stream is asked in sorted order, also one without baselines. The
// end-to-end query tests show the other answers.
TEST_F(UcmQueriesTest, BaselinesMergeTheStreams) {
  runner_.outputs["lsstream -short -invob /vobs/pvob"] = "int\ndev\nidle\n";
  runner_.outputs["lsbl -short -stream int@/vobs/pvob"] = "BL_0\nBL_1\nDOCS_1\n";
  runner_.outputs["lsbl -short -stream dev@/vobs/pvob"] = "BL_1\nDEV_1\n";
  EXPECT_EQ(CCGetUCMBaselinesForVOB(kPvob), "DOCS_1\r\nDEV_1\r\nBL_1\r\nBL_0\r\n");
  EXPECT_EQ(runner_.joined,
            (std::vector<std::string>{
                "lsstream -short -invob /vobs/pvob", "lsbl -short -stream dev@/vobs/pvob",
                "lsbl -short -stream idle@/vobs/pvob", "lsbl -short -stream int@/vobs/pvob"}));
  runner_.outputs["lsstream -short -in web@/vobs/pvob"] = "dev\nint\n";
  EXPECT_EQ(CCGetUCMBaselinesForProject("web", kPvob), "DOCS_1\r\nDEV_1\r\nBL_1\r\nBL_0\r\n");
}

}  // namespace
}  // namespace clearcase::test
