// "vantry query" end to end: the runner, the package and the cleartool
// stand-in over the example worlds.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support.h"

namespace vantry_test {
namespace {

using ::testing::HasSubstr;

struct QueryRow {
  std::vector<std::string> arguments;  // function and its arguments
  std::string expected;
};

void PrintTo(const QueryRow& row, std::ostream* out) {
  for (const std::string& argument : row.arguments) *out << argument << " ";
}

class QueryE2eTest : public testing::Test {
 protected:
  void SetUp() override { sandbox.ConfigureOptions(); }

  TRunOutput Query(std::vector<std::string> arguments) const {
    arguments.insert(arguments.begin(), "query");
    return sandbox.Vantry(arguments);
  }
  void Expect(const std::vector<QueryRow>& rows) const {
    for (const QueryRow& row : rows) {
      const TRunOutput output = Query(row.arguments);
      EXPECT_EQ(output.exitCode, 0) << testing::PrintToString(row) << output.err;
      EXPECT_EQ(output.out, row.expected) << testing::PrintToString(row);
    }
  }
  // Replaces the sandbox's world with another example world.
  void UseWorld(const std::string& name) {
    const std::filesystem::path source =
        std::filesystem::path(VANTRY_SOURCE_DIR) / "examples/worlds" / name;
    WriteText(sandbox.Path(name), ReadText(source.string()));
    sandbox.SetEnv("CLEARTOOL_SIM_WORLD", sandbox.Path(name));
  }

  TSandbox sandbox;
};

TEST_F(QueryE2eTest, RepositoryListings) {
  const std::string view = sandbox.ViewPath();
  Expect({
      {{"CCGetVOBNames"}, "/vobs/pvob\r\n/vobs/src\r\n"},
      {{"CCGetPVOBNames"}, "/vobs/pvob\r\n"},
      {{"CCGetTypeNames", "lbtype", "/vobs/src"}, "NIGHTLY\r\nREL_0.9\r\nREL_1.0\r\nREL_1.1\r\n"},
      {{"CCGetTypeNames", "Stream", "/vobs/pvob"}, ""},
      {{"CCGetLabelNames", "/vobs/src"}, "NIGHTLY\r\nREL_0.9\r\nREL_1.0\r\nREL_1.1\r\n"},
      // The project VOB comes first and holds no label type: the walk ends there.
      {{"CCGetAllTypeNames", "lbtype"}, ""},
      {{"CCGetPoolsForVob", "/vobs/src"}, "cdft\r\nddft\r\nsdft\r\n"},
      {{"CCGetHistory", "src/b c.c", view},
       "src/b c.c@@/main/1\r\nsrc/b c.c@@/main/0\r\nsrc/b c.c@@/main\r\nsrc/b c.c@@\r\n"},
      {{"CCGetLS", view + "/docs"}, "readme.txt@@/main/1\r\n"},
      {{"CCDescribeObject", "pool:sdft@/vobs/src"},
       "pool \"sdft\"\r\n  created 2005-01-17T10:50:13 by vobadm\r\n  kind: source\r\n"},
      {{"CCGetAttributeType", "BuildNumber@/vobs/src"}, "integer"},
      {{"CCGetClearCaseInstalledType"}, "ccFull\r\n"},
  });
}

TEST_F(QueryE2eTest, UcmListings) {
  const std::string pvob = "/vobs/pvob";
  const std::string view = sandbox.Path("views/dev_view");
  Expect({
      {{"CCGetUCMActivitiesForVOB", pvob}, "feature_login\r\nfix_23\r\nintegrate_1\r\n"},
      {{"CCGetUCMComponentsForView", view}, "comp_core\r\ncomp_docs\r\n"},
      {{"CCGetUCMStreamsForProject", "webshop", pvob}, "dev_alice\r\nwebshop_int\r\n"},
      {{"CCGetUCMStreamsForProject", "", pvob}, "dev_alice\r\nwebshop_int\r\n"},
      {{"CCGetUCMActivitiesForStream", "dev_alice", pvob}, "feature_login\r\nfix_23\r\n"},
      {{"CCGetUCMActivitiesForStream", "", pvob}, "feature_login\r\nfix_23\r\nintegrate_1\r\n"},
      {{"CCGetUCMActivitiesForProject", "webshop", pvob},
       "feature_login\r\nfix_23\r\nintegrate_1\r\n"},
      {{"CCGetUCMActivitiesForProject", "", pvob}, ""},
      {{"CCGetUCMActivities", view}, "feature_login@/vobs/pvob\r\nfix_23@/vobs/pvob\r\n"},
      {{"CCGetUCMComponentsForProject", "webshop", pvob}, "comp_core\r\ncomp_docs\r\n"},
      {{"CCGetUCMPromoLevelsForPVOB", pvob},
       "REJECTED\r\nINITIAL\r\nBUILT\r\nTESTED\r\nRELEASED\r\n"},
      {{"CCGetUCMPromoLevelsForPVOB", "/vobs/src"}, ""},
      {{"CCGetUCMBaselinesForStream", "webshop_int", pvob}, "DOCS_1\r\nBL_2\r\nBL_1\r\nBL_0\r\n"},
      {{"CCGetUCMBaselinesForStream", "dev_alice", pvob}, ""},
      {{"CCGetAllUCMComponents"}, "comp_core@/vobs/pvob\r\ncomp_docs@/vobs/pvob\r\n"},
  });
}

TEST_F(QueryE2eTest, WindowsWorld) {
  UseWorld("windows.xml");
  Expect({
      {{"CCGetVOBNames"}, "\\pvob\r\n\\src\r\n"},
      // Its project VOB is also replicated: "(ucmvob, replicated)" does not qualify.
      {{"CCGetPVOBNames"}, ""},
      {{"CCGetLabelNames", "\\src"}, "REL_1\r\nREL_OLD\r\n"},
      {{"CCGetUCMActivitiesForStream", "app_dev", "\\pvob"}, "task_7\r\n"},
      {{"CCGetUCMComponentsForProject", "app", "\\pvob"}, "app_comp\r\n"},
  });
}

TEST_F(QueryE2eTest, AllTypeNamesMergesEveryVob) {
  WriteText(sandbox.Path("merge.xml"),
            "<World>\n"
            "  <Vob tag=\"/vobs/a\" storage=\"/s/a.vbs\"><LabelType name=\"REL_1\"/>"
            "<LabelType name=\"nightly\" locked=\"true\"/></Vob>\n"
            "  <Vob tag=\"/vobs/b\" storage=\"/s/b.vbs\"><LabelType name=\"NIGHTLY\"/>"
            "<LabelType name=\"REL_2\"/></Vob>\n"
            "</World>\n");
  sandbox.SetEnv("CLEARTOOL_SIM_WORLD", sandbox.Path("merge.xml"));
  Expect({{{"CCGetAllTypeNames", "lbtype"}, "nightly\r\nREL_1\r\nREL_2\r\n"}});
}

TEST_F(QueryE2eTest, InstalledTypeOfAnLtWorld) {
  UseWorld("lt.xml");
  Expect({{{"CCGetClearCaseInstalledType"}, "ccLT\r\n"}});
}

TEST_F(QueryE2eTest, ListNamesFunctionsAndParameters) {
  const TRunOutput output = Query({"--list"});
  ASSERT_EQ(output.exitCode, 0) << output.err;
  for (const char* line :
       {"CCGetVOBNames\n", "CCGetTypeNames Kind VOB\n", "CCGetHistory Path Dir\n",
        "CCGetUCMBaselinesForProject Project PVOB\n"}) {
    EXPECT_THAT(output.out, HasSubstr(line));
  }
}

TEST_F(QueryE2eTest, BadUsageExitsWithTwo) {
  const std::vector<std::vector<std::string>> calls = {
      {"CCGetNothing"}, {"CCGetTypeNames", "lbtype"}, {"CCGetVOBNames", "extra"}, {}};
  for (const auto& call : calls) {
    const TRunOutput output = Query(call);
    EXPECT_EQ(output.exitCode, 2) << testing::PrintToString(call);
    EXPECT_EQ(output.out, "");
    EXPECT_THAT(output.err, HasSubstr("vantry: ")) << testing::PrintToString(call);
  }
}

}  // namespace
}  // namespace vantry_test
