#include "clearcase/cleartool/ucm_parsers.h"

#include <gtest/gtest.h>

#include "clearcase/cleartool/ucm_queries.h"

namespace clearcase {
namespace {

struct Row {
  const char* name;
  std::string text;
  TStringList expected;
};

void PrintTo(const Row& row, std::ostream* out) {
  *out << row.name;
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

// ---------------------------------------------------------------- activities

class StreamActivitiesTest : public testing::TestWithParam<Row> {};

TEST_P(StreamActivitiesTest, Parses) {
  EXPECT_EQ(ParseStreamActivities(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Listings, StreamActivitiesTest,
    testing::Values(
        Row{"unix stream", kStreamLong, {"Feature_login@/vobs/pvob", "fix_23@/vobs/pvob"}},
        Row{"windows stream, CR LF",
            "stream \"app_dev\"\r\n  contains activities:\r\n    task_7@\\pvob\r\n"
            "  foundation baselines:\r\n    APP_1@\\pvob (app_comp@\\pvob)\r\n",
            {"task_7@\\pvob"}},
        Row{"no activities", "stream \"s\"\n  contains activities:\n  foundation baselines:\n", {}},
        Row{"no header", "stream \"s\"\n    fix@/vobs/pvob\n", {}},
        Row{"section runs to the end",
            "  contains activities:\n  b@\\p\n\ta@\\p\n",
            {"\ta@\\p", "b@\\p"}},  // only blanks count as indentation
        Row{"empty line inside the section is no end",
            "  contains activities:\r\n  b@\\p\r\n\r\n  a@\\p\r\n",
            {"a@\\p", "b@\\p"}},
        Row{"first header counts", "contains activities:\nx\ncontains activities:\na@p\n", {}}));

// ---------------------------------------------------------------- baseline components

class BaselineComponentsTest : public testing::TestWithParam<Row> {};

TEST_P(BaselineComponentsTest, Parses) {
  EXPECT_EQ(ParseBaselineComponents(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Listings, BaselineComponentsTest,
    testing::Values(Row{"stream", kStreamLong, {"comp_core", "comp_docs"}},
                    Row{"project naming a component twice",
                        "project \"app\"\r\n  recommended baselines:\r\n"
                        "    APP_2@\\pvob (app_comp@\\pvob)\r\n    LIB_1@\\pvob (Lib@\\pvob)\r\n"
                        "    APP_1@\\pvob (app_comp@\\pvob)\r\n  modifiable components:\r\n"
                        "    other@\\pvob\r\n",
                        {"app_comp", "Lib"}},
                    Row{"next header ends the section",
                        "  foundation baselines:\n    A@/p (one@/p)\n  recommended baselines:\n"
                        "    B@/p (two@/p)\n",
                        {"one"}},
                    Row{"later section opens again",
                        "  foundation baselines:\n    A@/p (one@/p)\n  views:\n    v\n"
                        "  recommended baselines:\n    B@/p (two@/p)\n",
                        {"one", "two"}},
                    Row{"case variants both stay",
                        "baselines:\n x (Comp)\n y (comp)\n z (Comp)\n",
                        {"Comp", "comp"}},
                    Row{"component without VOB part", "baselines:\n BL (plain)\n", {"plain"}},
                    Row{"lines without a pair are dropped",
                        "baselines:\n no parentheses\n x) (late)\n y (open\n BL (c@v)\n",
                        {"c"}},
                    Row{"a lone empty entry stays", "baselines:\n no parentheses\n", {""}},
                    Row{"no header", "stream \"s\"\n    BL@/p (c@/p)\n", {}}));

TEST(ExtractBaselineComponentsTest, ReturnsCrLfText) {
  EXPECT_EQ(ExtractBaselineComponents(kStreamLong), "comp_core\r\ncomp_docs\r\n");
  EXPECT_EQ(ExtractBaselineComponents(""), "");
}

// ---------------------------------------------------------------- promotion levels

class PromotionLevelsTest : public testing::TestWithParam<Row> {};

TEST_P(PromotionLevelsTest, Parses) {
  EXPECT_EQ(ParsePromotionLevels(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Listings, PromotionLevelsTest,
    testing::Values(
        Row{"project VOB",
            "versioned object base \"/vobs/pvob\"\n  VOB ownership:\n    owner vobadm\n"
            "  promotion levels:\n    REJECTED\n    INITIAL\n    BUILT\n"
            "  default promotion level: INITIAL\n",
            {"REJECTED", "INITIAL", "BUILT"}},
        Row{"CR LF, blanks and tabs trimmed",
            "  promotion levels:\r\n \tTESTED \r\n  RELEASED\r\n  default promotion level: X\r\n",
            {"TESTED", "RELEASED"}},
        Row{"the last line is never a level", "  promotion levels:\n    A\n    B\n", {"A"}},
        Row{"header on the last line", "vob\n  promotion levels:\n", {}},
        Row{"no header", "versioned object base \"/vobs/src\"\n  VOB ownership:\n", {}},
        Row{"nothing", "", {}}));

// ---------------------------------------------------------------- merged baselines

class MergeBaselinesTest : public testing::TestWithParam<Row> {};

TEST_P(MergeBaselinesTest, Merges) {
  EXPECT_EQ(MergeBaselines(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Listings, MergeBaselinesTest,
    testing::Values(Row{"shared baselines once, descending",
                        "BL_0\r\nBL_1\r\nDOCS_1\r\nBL_1\r\nDOCS_1\r\nBL_2\r\n",
                        {"DOCS_1", "BL_2", "BL_1", "BL_0"}},
                    Row{"empty lines between streams", "\r\nb\r\na\r\n\r\nb\r\n", {"b", "a"}},
                    Row{"case variants are different baselines", "bl\nBL\nbl\n", {"bl", "BL"}},
                    Row{"nothing", "", {}}));

}  // namespace
}  // namespace clearcase
