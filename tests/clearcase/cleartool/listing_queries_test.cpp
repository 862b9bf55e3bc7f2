// The listings as cleartool sees them: one table of each listing, its
// arguments and the exact argv cleartool receives, then the answers that the
// stand-in's worlds cannot show. The parsers' own tests take listings apart.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "clearcase/cleartool/repository_queries.h"
#include "clearcase/cleartool/ucm_queries.h"
#include "package_fixture.h"

namespace clearcase::test {
namespace {

using Argvs = std::vector<std::vector<std::string>>;

class ListingQueries : public cctest::TPackageTest {};

constexpr char kPvob[] = "/vobs/pvob";

TEST_F(ListingQueries, RunCleartoolWithExactlyTheseArguments) {
  const struct {
    std::function<void()> query;
    Argvs runs;                  // the argv of each run after cleartool's name
    std::string directory = "";  // empty: the folder of cleartool
  } rows[] = {
      {[] { CCGetVOBNames(); }, {{"lsvob", "-short"}}},
      {[] { CCGetPVOBNames(); }, {{"lsvob"}}},
      {[] { CCGetLabelNames("/vobs/src"); },
       {{"lstype", "-short", "-kind", "lbtype", "-invob", "/vobs/src"}}},
      {[] { CCGetTypeNames("vob", "\\src"); }, {{"lsvob", "-short"}}},
      {[] { CCGetTypeNames("pool", "/vobs/src"); }, {{"lspool", "-short", "-invob", "/vobs/src"}}},
      {[] { CCGetTypeNames("folder", kPvob); }, {{"lsfolder", "-short", "-invob", "/vobs/pvob"}}},
      {[] { CCGetTypeNames("Stream", kPvob); }, {}},  // kinds are case-sensitive
      {[] { CCGetLS("/views/v/vobs/src"); }, {{"ls", "-recurse", "-short"}}, "/views/v/vobs/src"},
      {[] { CCGetHistory("C:\\v\\we\"ird b\\", "/v"); },
       {{"lshistory", "-short", "C:\\v\\we\"ird b\\"}},
       "/v"},
      {[] { CCDescribeObject("lbtype:REL_1@/vobs/src"); },
       {{"describe", "lbtype:REL_1@/vobs/src"}}},
      {[] { CCGetAttributeType("Status@/vobs/src"); }, {{"describe", "attype:Status@/vobs/src"}}},
      {[] { CCGetClearCaseInstalledType(); }, {{"-version"}}},
      {[] { CCGetUCMActivitiesForVOB(kPvob); }, {{"lsactivity", "-short", "-invob", "/vobs/pvob"}}},
      {[] { CCGetUCMComponentsForVOB(kPvob); }, {{"lscomp", "-short", "-invob", "/vobs/pvob"}}},
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
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    runner_.specs.clear();
    rows[i].query();
    EXPECT_EQ(runner_.Argvs(), rows[i].runs) << "row " << i;
    if (!runner_.specs.empty()) {
      const std::string& directory = rows[i].directory;
      EXPECT_EQ(runner_.specs[0].workingDirectory, directory.empty() ? Path("bin") : directory)
          << "row " << i;
    }
  }
  runner_.specs.clear();
  Options().SetDesignListLocal(true);
  CCGetTypeNames("attype", "/vobs/src");
  EXPECT_EQ(runner_.Argvs(),
            (Argvs{{"lstype", "-local", "-short", "-kind", "attype", "-invob", "/vobs/src"}}));
}

TEST_F(ListingQueries, MetadataKindsByCharactersThreeToSix) {
  for (const char* kind : {"lbtype", "attype", "brtype", "eltype", "hltype", "trtype", "xxtypes"}) {
    EXPECT_TRUE(IsMetadataTypeKind(kind)) << kind;
  }
  for (const char* kind : {"", "type", "lbtyp", "LBTYPE", "typexx", "stream"}) {
    EXPECT_FALSE(IsMetadataTypeKind(kind)) << kind;
  }
}

TEST_F(ListingQueries, Answers) {
  runner_.printed[{"lsstream", "-short", "-invob", "/vobs/pvob"}] = "old (locked)\nnew\n";
  EXPECT_EQ(CCGetTypeNames("stream", "/vobs/pvob"), "new\r\nold\r\n");
  runner_.printed[{"lsvob"}] = "* pvob storage (ucmvob)\n* /vobs/src  /net/h/src.vbs public\n";
  EXPECT_EQ(CCGetPVOBNames(), "/pvob\r\n");    // a tag without its root gets one
  EXPECT_EQ(CCGetAllTypeNames("lbtype"), "");  // no VOBs
}

TEST_F(ListingQueries, AllTypeNamesStopsAtTheFirstVobWithoutTypes) {
  runner_.printed[{"lsvob", "-short"}] = "/vobs/a\n/vobs/b\n/vobs/c\n";
  runner_.printed[{"lstype", "-short", "-kind", "lbtype", "-invob", "/vobs/a"}] = "REL_1\n";
  runner_.printed[{"lstype", "-short", "-kind", "lbtype", "-invob", "/vobs/c"}] = "REL_3\n";
  EXPECT_EQ(CCGetAllTypeNames("lbtype"), "REL_1\r\n");
  EXPECT_EQ(runner_.specs.size(), 3u);  // c is never asked
}

// Every stream is asked in sorted order, also one without baselines.
TEST_F(ListingQueries, BaselinesMergeTheStreams) {
  runner_.printed[{"lsstream", "-short", "-invob", "/vobs/pvob"}] = "int\ndev\nidle\n";
  runner_.printed[{"lsbl", "-short", "-stream", "int@/vobs/pvob"}] = "BL_0\nBL_1\nDOCS_1\n";
  runner_.printed[{"lsbl", "-short", "-stream", "dev@/vobs/pvob"}] = "BL_1\nDEV_1\n";
  EXPECT_EQ(CCGetUCMBaselinesForVOB(kPvob), "DOCS_1\r\nDEV_1\r\nBL_1\r\nBL_0\r\n");
  EXPECT_EQ(runner_.Argvs(), (Argvs{{"lsstream", "-short", "-invob", "/vobs/pvob"},
                                    {"lsbl", "-short", "-stream", "dev@/vobs/pvob"},
                                    {"lsbl", "-short", "-stream", "idle@/vobs/pvob"},
                                    {"lsbl", "-short", "-stream", "int@/vobs/pvob"}}));
}

TEST_F(ListingQueries, OptionsDetectTheInstalledTypeUntilKnown) {
  TVyClearCaseOptions& options = Options();
  options.SetClearCaseType(ccFull);
  options.SetTestForClearCaseType(true);
  options.SetModified(false);
  EXPECT_EQ(options.GetClearCaseType(), ccUnknown);  // nothing printed
  runner_.printed[{"-version"}] = "ClearCase LT 7.0\n";
  EXPECT_EQ(options.GetClearCaseType(), ccUnknown);  // not a banner
  EXPECT_EQ(runner_.specs.size(), 2u);               // an unknown answer is asked again

  runner_.printed[{"-version"}] = "Rational ClearCase LT Client 2002.05.00\n";
  EXPECT_EQ(options.GetClearCaseType(), ccLT);
  runner_.printed[{"-version"}] = "Rational ClearCase 2003.06.00\n";
  EXPECT_EQ(options.GetClearCaseType(), ccLT);  // detected once per start
  EXPECT_EQ(runner_.specs.size(), 3u);
  EXPECT_FALSE(options.GetModified());
}

}  // namespace
}  // namespace clearcase::test
