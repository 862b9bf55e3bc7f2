#include "clearcase/cleartool/repository_queries.h"

#include <gtest/gtest.h>

#include "query_fixture.h"

namespace clearcase::test {
namespace {

using RepositoryQueriesTest = QueryTest;

TEST_F(RepositoryQueriesTest, CommandLines) {
  ExpectRuns({
      {[] { CCGetVOBNames(); }, {{"lsvob", "-short"}}},
      {[] { CCGetPVOBNames(); }, {{"lsvob"}}},
      {[] { CCGetLabelNames("/vobs/src"); },
       {{"lstype", "-short", "-kind", "lbtype", "-invob", "/vobs/src"}}},
      {[] { CCGetTypeNames("hltype", "\\src"); },
       {{"lstype", "-short", "-kind", "hltype", "-invob", "\\src"}}},
      {[] { CCGetTypeNames("vob", "\\src"); }, {{"lsvob", "-short"}}},
      {[] { CCGetTypeNames("pool", "/vobs/src"); }, {{"lspool", "-short", "-invob", "/vobs/src"}}},
      {[] { CCGetStoragePoolsForVOB("/vobs/src"); }, {{"lspool", "-short", "-invob", "/vobs/src"}}},
      {[] { CCGetTypeNames("folder", "/vobs/pvob"); },
       {{"lsfolder", "-short", "-invob", "/vobs/pvob"}}},
      {[] { CCGetTypeNames("Stream", "/vobs/pvob"); }, {}},  // kinds are case-sensitive
      {[] { CCGetTypeNames("oid", "/vobs/pvob"); }, {}},
      {[] { CCGetLS("/views/v/vobs/src"); }, {{"ls", "-recurse", "-short"}}, "/views/v/vobs/src"},
      {[] { CCGetHistory("src/b c.c", "/views/v/vobs/src"); },
       {{"lshistory", "-short", "src/b c.c"}},
       "/views/v/vobs/src"},
      {[] { CCGetHistory("C:\\v\\we\"ird\\", "/v"); },
       {{"lshistory", "-short", "C:\\v\\we\"ird\\"}},
       "/v"},
      {[] { CCDescribeObject("lbtype:REL_1@/vobs/src"); },
       {{"describe", "lbtype:REL_1@/vobs/src"}}},
      {[] { CCGetAttributeType("Status@/vobs/src"); }, {{"describe", "attype:Status@/vobs/src"}}},
      {[] { CCGetClearCaseInstalledType(); }, {{"-version"}}},
  });
  Options().SetDesignListLocal(true);
  ExpectRuns({{[] { CCGetTypeNames("attype", "/vobs/src"); },
               {{"lstype", "-local", "-short", "-kind", "attype", "-invob", "/vobs/src"}}}});
}

TEST_F(RepositoryQueriesTest, MetadataKindsByCharactersThreeToSix) {
  for (const char* kind : {"lbtype", "attype", "brtype", "eltype", "hltype", "trtype", "xxtypes"}) {
    EXPECT_TRUE(IsMetadataTypeKind(kind)) << kind;
  }
  for (const char* kind : {"", "type", "lbtyp", "LBTYPE", "typexx", "stream"}) {
    EXPECT_FALSE(IsMetadataTypeKind(kind)) << kind;
  }
}

// The parsers' own tests take listings apart, and the end-to-end query tests
// run every query against the stand-in; these are the cases its worlds lack.
TEST_F(RepositoryQueriesTest, Answers) {
  runner_.outputs["lsstream -short -invob /vobs/pvob"] = "old (locked)\nnew\n";
  EXPECT_EQ(CCGetTypeNames("stream", "/vobs/pvob"), "new\r\nold\r\n");
  runner_.outputs["lsvob"] = "* pvob storage (ucmvob)\n* /vobs/src  /net/h/src.vbs public\n";
  EXPECT_EQ(CCGetPVOBNames(), "/pvob\r\n");    // a tag without its root gets one
  EXPECT_EQ(CCGetAllTypeNames("lbtype"), "");  // no VOBs
}

TEST_F(RepositoryQueriesTest, AllTypeNamesStopsAtTheFirstVobWithoutTypes) {
  runner_.outputs["lsvob -short"] = "/vobs/a\n/vobs/b\n/vobs/c\n";
  runner_.outputs["lstype -short -kind lbtype -invob /vobs/a"] = "REL_1\n";
  runner_.outputs["lstype -short -kind lbtype -invob /vobs/c"] = "REL_3\n";
  EXPECT_EQ(CCGetAllTypeNames("lbtype"), "REL_1\r\n");
  EXPECT_EQ(runner_.starts.size(), 3u);  // c is never asked
}

TEST_F(RepositoryQueriesTest, OptionsDetectTheInstalledTypeUntilKnown) {
  TVyClearCaseOptions& options = Options();
  options.SetClearCaseType(ccFull);
  options.SetTestForClearCaseType(true);
  options.SetModified(false);
  EXPECT_EQ(options.GetClearCaseType(), ccUnknown);  // nothing printed
  runner_.outputs["-version"] = "ClearCase LT 7.0\n";
  EXPECT_EQ(options.GetClearCaseType(), ccUnknown);  // not a banner
  EXPECT_EQ(runner_.starts.size(), 2u);              // an unknown answer is asked again

  runner_.outputs["-version"] = "Rational ClearCase LT Client 2002.05.00\n";
  EXPECT_EQ(options.GetClearCaseType(), ccLT);
  runner_.outputs["-version"] = "Rational ClearCase 2003.06.00\n";
  EXPECT_EQ(options.GetClearCaseType(), ccLT);  // detected once per start
  EXPECT_EQ(runner_.starts.size(), 3u);
  EXPECT_FALSE(options.GetModified());
}

}  // namespace
}  // namespace clearcase::test
