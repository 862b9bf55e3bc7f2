#include "clearcase/cleartool/ucm_parsers.h"

#include <gtest/gtest.h>

#include <functional>

#include "clearcase/cleartool/ucm_queries.h"

namespace clearcase {
namespace {

struct Row {
  const char* name;
  std::string text;
  TStringList expected;
};

void ExpectRows(const std::function<TStringList(std::string_view)>& parse,
                const std::vector<Row>& rows) {
  for (const Row& row : rows) EXPECT_EQ(parse(row.text), row.expected) << row.name;
}

const char kStreamLong[] =
    "stream \"dev_alice\"\n"
    "  created 2005-01-17T10:50:13 by vobadm\n"
    "  project: webshop@/vobs/pvob\n"
    "  default deliver stream: webshop_int@/vobs/pvob\n"
    "  contains activities:\n"
    "    fix_23@/vobs/pvob\n"
    "    Feature_login@/vobs/pvob\n"
    "  foundation baselines:\n"
    "    BL_1@/vobs/pvob (comp_core@/vobs/pvob) (modifiable)\n"
    "    DOCS_1@/vobs/pvob (comp_docs@/vobs/pvob)\n"
    "  recommended baselines:\n"
    "  views:\n"
    "    dev_alice_view\n";

TEST(UcmParsersTest, StreamActivities) {
  ExpectRows(
      ParseStreamActivities,
      {
          {"unix stream", kStreamLong, {"Feature_login@/vobs/pvob", "fix_23@/vobs/pvob"}},
          {"windows stream, CR LF",
           "stream \"app_dev\"\r\n  contains activities:\r\n    task_7@\\pvob\r\n"
           "  foundation baselines:\r\n    APP_1@\\pvob (app_comp@\\pvob)\r\n",
           {"task_7@\\pvob"}},
          {"no header", "stream \"s\"\n    fix@/vobs/pvob\n", {}},
          {"section runs to the end; an empty line is no end; only blanks indent",
           "  contains activities:\r\n  b@\\p\r\n\r\n\ta@\\p\r\n",
           {"\ta@\\p", "b@\\p"}},
          {"first header counts", "contains activities:\nx\ncontains activities:\na@p\n", {}},
      });
}

TEST(UcmParsersTest, BaselineComponents) {
  ExpectRows(ParseBaselineComponents,
             {
                 {"stream", kStreamLong, {"comp_core", "comp_docs"}},
                 {"project naming a component twice",
                  "project \"app\"\r\n  recommended baselines:\r\n"
                  "    APP_2@\\pvob (app_comp@\\pvob)\r\n    LIB_1@\\pvob (Lib@\\pvob)\r\n"
                  "    APP_1@\\pvob (app_comp@\\pvob)\r\n  modifiable components:\r\n"
                  "    other@\\pvob\r\n",
                  {"app_comp", "Lib"}},
                 {"next header ends the section",
                  "  foundation baselines:\n    A@/p (one@/p)\n  recommended baselines:\n"
                  "    B@/p (two@/p)\n",
                  {"one"}},
                 {"later section opens again",
                  "  foundation baselines:\n    A@/p (one@/p)\n  views:\n    v\n"
                  "  recommended baselines:\n    B@/p (two@/p)\n",
                  {"one", "two"}},
                 {"case variants both stay",
                  "baselines:\n x (Comp)\n y (comp)\n z (Comp)\n",
                  {"Comp", "comp"}},
                 {"lines without a pair are dropped",
                  "baselines:\n no parentheses\n x) (late)\n y (open\n BL (plain)\n",
                  {"plain"}},
                 {"a lone empty entry stays", "baselines:\n no parentheses\n", {""}},
                 {"no header", "stream \"s\"\n    BL@/p (c@/p)\n", {}},
             });
  EXPECT_EQ(ExtractBaselineComponents(kStreamLong), "comp_core\r\ncomp_docs\r\n");
  EXPECT_EQ(ExtractBaselineComponents(""), "");
}

TEST(UcmParsersTest, PromotionLevels) {
  ExpectRows(ParsePromotionLevels,
             {
                 {"CR LF, blanks and tabs trimmed",
                  "  promotion levels:\r\n \tTESTED \r\n  RELEASED\r\n  default: X\r\n",
                  {"TESTED", "RELEASED"}},
                 {"the last line is never a level", "  promotion levels:\n    A\n    B\n", {"A"}},
                 {"header on the last line", "vob\n  promotion levels:\n", {}},
                 {"no header", "versioned object base \"/vobs/src\"\n  VOB ownership:\n", {}},
                 {"nothing", "", {}},
             });
}

// The baseline queries' tests show shared baselines once, descending.
TEST(UcmParsersTest, MergeBaselines) {
  ExpectRows(MergeBaselines,
             {
                 {"empty lines between streams", "\r\nb\r\na\r\n\r\nb\r\n", {"b", "a"}},
                 {"case variants are different baselines", "bl\nBL\nbl\n", {"bl", "BL"}},
                 {"nothing", "", {}},
             });
}

}  // namespace
}  // namespace clearcase
