#include "clearcase/cleartool/ucm_queries.h"

#include <gtest/gtest.h>

#include "query_fixture.h"

namespace clearcase::test {
namespace {

using UcmQueriesTest = QueryTest;

TEST_F(UcmQueriesTest, CommandLines) {
  const std::string pvob = "/vobs/pvob";
  const CommandRow rows[] = {
      {"activities of a vob",
       [&] { return CCGetUCMActivitiesForVOB(pvob); },
       {"lsactivity -short -invob /vobs/pvob"}},
      {"components of a vob",
       [&] { return CCGetUCMComponentsForVOB(pvob); },
       {"lscomp -short -invob /vobs/pvob"}},
      {"folders",
       [&] { return CCGetUCMFoldersForVOB(pvob); },
       {"lsfolder -short -invob /vobs/pvob"}},
      {"streams of a vob",
       [&] { return CCGetUCMStreamsForVOB(pvob); },
       {"lsstream -short -invob /vobs/pvob"}},
      {"projects",
       [&] { return CCGetUCMProjectsForVOB(pvob); },
       {"lsproject -short -invob /vobs/pvob"}},
      {"components of a view",
       [] { return CCGetUCMComponentsForView("/views/dev"); },
       {"lscomp -short"},
       "/views/dev"},
      {"streams of a project",
       [&] { return CCGetUCMStreamsForProject("web", pvob); },
       {"lsstream -short -in web@/vobs/pvob"}},
      {"streams of no project",
       [&] { return CCGetUCMStreamsForProject("", pvob); },
       {"lsstream -short -invob /vobs/pvob"}},
      {"activities of a stream",
       [&] { return CCGetUCMActivitiesForStream("dev", pvob); },
       {"lsactivity -short -in dev@/vobs/pvob"}},
      {"activities of no stream",
       [&] { return CCGetUCMActivitiesForStream("", pvob); },
       {"lsactivity -short -invob /vobs/pvob"}},
      {"activities of a project",
       [&] { return CCGetUCMActivitiesForProject("web", pvob); },
       {"lsactivity -short -in web@/vobs/pvob"}},
      {"activities of no project",
       [&] { return CCGetUCMActivitiesForProject("", pvob); },
       {"lsactivity -short -in @/vobs/pvob"}},
      {"activities of the view's stream",
       [] { return CCGetUCMActivities("/views/dev"); },
       {"lsstream -long -cview"},
       "/views/dev"},
      {"components of a stream",
       [&] { return CCGetUCMComponentsForStream("dev", pvob); },
       {"lsstream -l dev@/vobs/pvob"}},
      {"components of a project",
       [&] { return CCGetUCMComponentsForProject("web", pvob); },
       {"lsproject -l web@/vobs/pvob"}},
      {"promotion levels",
       [&] { return CCGetUCMPromoLevelsForPVOB(pvob); },
       {"describe vob:/vobs/pvob"}},
      {"baselines of a stream",
       [&] { return CCGetUCMBaselinesForStream("dev", pvob); },
       {"lsbl -short -stream dev@/vobs/pvob"}},
      {"baselines of no stream",
       [&] { return CCGetUCMBaselinesForStream("", pvob); },
       {"lsstream -short -invob /vobs/pvob"}},
      {"baselines of no project",
       [&] { return CCGetUCMBaselinesForProject("", pvob); },
       {"lsstream -short -invob /vobs/pvob"}},
  };
  ExpectRuns(rows);
}

TEST_F(UcmQueriesTest, Answers) {
  const std::string pvob = "/vobs/pvob";
  const AnswerRow rows[] = {
      {"simple listings are sorted",
       {{"lsstream -short -in web@/vobs/pvob", "web_int\nDev_bob\ndev_alice\n"}},
       [&] { return CCGetUCMStreamsForProject("web", pvob); },
       "dev_alice\r\nDev_bob\r\nweb_int\r\n"},
      {"activities of the view's stream",
       {{"lsstream -long -cview",
         "stream \"dev\"\n  contains activities:\n    fix_2@/vobs/pvob\n    Add_1@/vobs/pvob\n"
         "  foundation baselines:\n    BL_1@/vobs/pvob (core@/vobs/pvob)\n"}},
       [] { return CCGetUCMActivities("/views/dev"); },
       "Add_1@/vobs/pvob\r\nfix_2@/vobs/pvob\r\n"},
      {"baselines of a stream descending",
       {{"lsbl -short -stream dev@/vobs/pvob", "BL_1\nbl_3\nBL_2\n"}},
       [&] { return CCGetUCMBaselinesForStream("dev", pvob); },
       "bl_3\r\nBL_2\r\nBL_1\r\n"},
      {"baselines of a project merge its streams",
       {{"lsstream -short -in web@/vobs/pvob", "int\ndev\n"},
        {"lsbl -short -stream int@/vobs/pvob", "BL_0\nBL_1\n"},
        {"lsbl -short -stream dev@/vobs/pvob", "BL_1\nDEV_1\n"}},
       [&] { return CCGetUCMBaselinesForProject("web", pvob); },
       "DEV_1\r\nBL_1\r\nBL_0\r\n"},
      {"all components carry their VOB",
       {{"lsvob -short", "/vobs/src\n/vobs/pvob\n"},
        {"lscomp -short -invob /vobs/pvob", "docs\ncore\n"}},
       [] { return CCGetAllUCMComponents(); },
       "core@/vobs/pvob\r\ndocs@/vobs/pvob\r\n"},
      {"promotion levels in the VOB's order",
       {{"describe vob:/vobs/pvob",
         "versioned object base \"/vobs/pvob\"\n  promotion levels:\n    REJECTED\n    INITIAL\n"
         "    RELEASED\n  default promotion level: INITIAL\n"}},
       [&] { return CCGetUCMPromoLevelsForPVOB(pvob); },
       "REJECTED\r\nINITIAL\r\nRELEASED\r\n"},
  };
  ExpectAnswers(rows);
}

// Every stream is asked in sorted order, also one without baselines.
TEST_F(UcmQueriesTest, BaselinesOfAVobMergeItsStreams) {
  runner.outputs["lsstream -short -invob /vobs/pvob"] = "int\ndev\nidle\n";
  runner.outputs["lsbl -short -stream int@/vobs/pvob"] = "BL_0\nBL_1\nDOCS_1\n";
  runner.outputs["lsbl -short -stream dev@/vobs/pvob"] = "BL_1\nDEV_1\n";
  EXPECT_EQ(CCGetUCMBaselinesForVOB("/vobs/pvob"), "DOCS_1\r\nDEV_1\r\nBL_1\r\nBL_0\r\n");
  EXPECT_EQ(runner.AllArguments(),
            (std::vector<std::string>{
                "lsstream -short -invob /vobs/pvob", "lsbl -short -stream dev@/vobs/pvob",
                "lsbl -short -stream idle@/vobs/pvob", "lsbl -short -stream int@/vobs/pvob"}));
}

}  // namespace
}  // namespace clearcase::test
