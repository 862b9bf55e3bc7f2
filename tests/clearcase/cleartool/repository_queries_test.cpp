#include "clearcase/cleartool/repository_queries.h"

#include <gtest/gtest.h>

#include "query_fixture.h"

namespace clearcase::test {
namespace {

using RepositoryQueriesTest = QueryTest;

TEST_F(RepositoryQueriesTest, CommandLines) {
  const CommandRow rows[] = {
      {"vob names", [] { return CCGetVOBNames(); }, {"lsvob -short"}},
      {"project vob names", [] { return CCGetPVOBNames(); }, {"lsvob"}},
      {"label types",
       [] { return CCGetLabelNames("/vobs/src"); },
       {"lstype -short -kind lbtype -invob /vobs/src"}},
      {"any metadata kind",
       [] { return CCGetTypeNames("hltype", "\\src"); },
       {"lstype -short -kind hltype -invob \\src"}},
      {"vob kind ignores the vob", [] { return CCGetTypeNames("vob", "\\src"); }, {"lsvob -short"}},
      {"pools",
       [] { return CCGetTypeNames("pool", "/vobs/src"); },
       {"lspool -short -invob /vobs/src"}},
      {"storage pools",
       [] { return CCGetStoragePoolsForVOB("/vobs/src"); },
       {"lspool -short -invob /vobs/src"}},
      {"UCM kinds",
       [] { return CCGetTypeNames("folder", "/vobs/pvob"); },
       {"lsfolder -short -invob /vobs/pvob"}},
      {"kinds are case-sensitive", [] { return CCGetTypeNames("Stream", "/vobs/pvob"); }, {}},
      {"oid lists nothing", [] { return CCGetTypeNames("oid", "/vobs/pvob"); }, {}},
      {"short kind", [] { return CCGetTypeNames("lbt", "/vobs/src"); }, {}},
      {"ls",
       [] { return CCGetLS("/views/v/vobs/src"); },
       {"ls -recurse -short"},
       "/views/v/vobs/src"},
      {"history, path with blanks as one argument",
       [] { return CCGetHistory("src/b c.c", "/views/v/vobs/src"); },
       {"lshistory -short src/b c.c"},
       "/views/v/vobs/src"},
      {"describe",
       [] { return CCDescribeObject("lbtype:REL_1@/vobs/src"); },
       {"describe lbtype:REL_1@/vobs/src"}},
      {"attribute type",
       [] { return CCGetAttributeType("Status@/vobs/src"); },
       {"describe attype:Status@/vobs/src"}},
      {"installed type",
       [] { return std::to_string(CCGetClearCaseInstalledType()); },
       {"-version"}},
  };
  ExpectRuns(rows);
}

TEST_F(RepositoryQueriesTest, LocalTypesOnlyWhenTheOptionsSaySo) {
  Options().SetDesignListLocal(true);
  CCGetTypeNames("attype", "/vobs/src");
  EXPECT_EQ(runner.AllArguments(),
            (std::vector<std::string>{"lstype -local -short -kind attype -invob /vobs/src"}));
}

TEST_F(RepositoryQueriesTest, MetadataKindsByCharactersThreeToSix) {
  for (const char* kind : {"lbtype", "attype", "brtype", "eltype", "hltype", "trtype", "xxtypes"}) {
    EXPECT_TRUE(IsMetadataTypeKind(kind)) << kind;
  }
  for (const char* kind : {"", "type", "lbtyp", "LBTYPE", "typexx", "stream"}) {
    EXPECT_FALSE(IsMetadataTypeKind(kind)) << kind;
  }
}

TEST_F(RepositoryQueriesTest, Answers) {
  const AnswerRow rows[] = {
      {"locked markers go from types",
       {{"lstype -short -kind lbtype -invob /vobs/src", "REL_0.9 (locked)\nREL_1\n"}},
       [] { return CCGetLabelNames("/vobs/src"); },
       "REL_0.9\r\nREL_1\r\n"},
      {"and from UCM kinds",
       {{"lsstream -short -invob /vobs/pvob", "old (locked)\nnew\n"}},
       [] { return CCGetTypeNames("stream", "/vobs/pvob"); },
       "new\r\nold\r\n"},
      {"project VOBs",
       {{"lsvob",
         "* /vobs/src   /net/h/src.vbs public\n* /vobs/pvob  /net/h/pvob.vbs public (ucmvob)\n"
         "  /vobs/Apps  /net/h/apps.vbs public (ucmvob)\n"}},
       [] { return CCGetPVOBNames(); },
       "/vobs/Apps\r\n/vobs/pvob\r\n"},
      {"all type names merge VOB by VOB",
       {{"lsvob -short", "/vobs/b\n/vobs/a\n/vobs/c\n"},
        {"lstype -short -kind lbtype -invob /vobs/a", "REL_2\nnightly\n"},
        {"lstype -short -kind lbtype -invob /vobs/b", "NIGHTLY (locked)\nREL_1\n"},
        {"lstype -short -kind lbtype -invob /vobs/c", "REL_3\n"}},
       [] { return CCGetAllTypeNames("lbtype"); },
       "nightly\r\nREL_1\r\nREL_2\r\nREL_3\r\n"},
      {"the first VOB in sorted order has no types",
       {{"lsvob -short", "/vobs/a\n/vobs/0\n"},
        {"lstype -short -kind lbtype -invob /vobs/a", "REL_1\n"}},
       [] { return CCGetAllTypeNames("lbtype"); },
       ""},
      {"all type names without VOBs", {}, [] { return CCGetAllTypeNames("lbtype"); }, ""},
      {"history keeps its order and drops repeats",
       {{"lshistory -short a.c", "a.c@@/main/2\nA.c@@/main/2\na.c@@/main/1\n\na.c@@\n"}},
       [] { return CCGetHistory("a.c", "/v"); },
       "a.c@@/main/2\r\na.c@@/main/1\r\na.c@@\r\n"},
      {"attribute value type",
       {{"describe attype:N@/vobs/src",
         "attribute type \"N\"\n  scope: this VOB (ordinary type)\n  value type: integer\n"}},
       [] { return CCGetAttributeType("N@/vobs/src"); },
       "integer"},
      {"attribute type not described", {}, [] { return CCGetAttributeType("Missing"); }, ""},
  };
  ExpectAnswers(rows);
}

TEST_F(RepositoryQueriesTest, AllTypeNamesStopsAtTheFirstVobWithoutTypes) {
  runner.outputs["lsvob -short"] = "/vobs/a\n/vobs/b\n/vobs/c\n";
  runner.outputs["lstype -short -kind lbtype -invob /vobs/a"] = "REL_1\n";
  runner.outputs["lstype -short -kind lbtype -invob /vobs/c"] = "REL_3\n";
  EXPECT_EQ(CCGetAllTypeNames("lbtype"), "REL_1\r\n");
  EXPECT_EQ(runner.runs.size(), 3u);  // c is never asked
}

TEST_F(RepositoryQueriesTest, InstalledType) {
  struct Row {
    std::string banner;
    TClearCaseType expected;
  } rows[] = {
      {"Rational ClearCase LT Client 2002.05.00 (Mon Oct 29 13:49:09 2001)\ncleartool ...\n", ccLT},
      {"Rational ClearCase 2003.06.00 (Wed May 14 01:26:43 2003)\r\ncleartool ...\r\n", ccFull},
      {"ClearCase LT 7.0\n", ccUnknown},
      {"", ccUnknown},
  };
  for (const Row& row : rows) {
    runner.outputs["-version"] = row.banner;
    EXPECT_EQ(CCGetClearCaseInstalledType(), row.expected) << row.banner;
  }
}

TEST_F(RepositoryQueriesTest, OptionsDetectTheInstalledTypeUntilKnown) {
  TVyClearCaseOptions& options = *Options().GetImplementation();
  options.SetClearCaseType(ccFull);
  options.SetTestForClearCaseType(true);
  options.SetModified(false);
  EXPECT_EQ(options.GetClearCaseType(), ccUnknown);  // nothing printed
  EXPECT_EQ(options.GetClearCaseType(), ccUnknown);
  EXPECT_EQ(runner.runs.size(), 2u);  // an unknown answer is asked again

  runner.outputs["-version"] = "Rational ClearCase LT Client 2002.05.00\n";
  EXPECT_EQ(options.GetClearCaseType(), ccLT);
  runner.outputs["-version"] = "Rational ClearCase 2003.06.00\n";
  EXPECT_EQ(options.GetClearCaseType(), ccLT);  // detected once per start
  EXPECT_EQ(runner.runs.size(), 3u);
  EXPECT_FALSE(options.GetModified());

  options.SetTestForClearCaseType(false);
  options.SetClearCaseType(ccFull);
  EXPECT_EQ(options.GetClearCaseType(), ccFull);
  EXPECT_EQ(runner.runs.size(), 3u);
}

}  // namespace
}  // namespace clearcase::test
