#include "clearcase/actions/ucm/activity_actions.h"

#include <algorithm>

#include "command_cases.h"

namespace {

using cctest::Args;
using clearcase::TClearCaseMakeActivityAction;
using clearcase::TClearCaseSetActivityAction;

class Activity : public cctest::ActionCommandTest {};

TEST_F(Activity, Set) {
  CheckCommandLines<TClearCaseSetActivityAction>({
      {"never assigned: the current activity", [](auto&) {}, true, {"setactivity", "-nc", "-cact"}},
      {"named activity with its project VOB",
       [](auto& a) {
         a.SetActivityName("fix_%VAR%");
         a.SetVOBSelector("/vobs/pvob");
         a.SetComment("start");
       },
       true,
       {"setactivity", "-c \"start\"", "activity:fix_value@/vobs/pvob"}},
      {"none wins over the name, which is not even expanded",
       [](auto& a) {
         a.SetActivityName("%NOPE%");
         a.SetSetActivityToNone(true);
       },
       true,
       {"setactivity", "-nc", "-none"}},
      {"a name assigned as empty still counts",
       [](auto& a) { a.SetActivityName(""); },
       true,
       {"setactivity", "-nc", "activity:"}},
      {"a name that cannot be expanded",
       [](auto& a) { a.SetActivityName("%NOPE%"); },
       false,
       {"setactivity", "-nc"},
       "cannot expand Activity Name"},
      {"an invalid view: the activity still follows",
       [](auto& a) {
         a.SetViewContextPath("/no/such/view");
         a.SetActivityName("fix_23");
       },
       false,
       {"setactivity", "-nc", "activity:fix_23"},
       "Error: The View Context Path you have specified is invalid or does not exist."},
  });
}

TEST_F(Activity, Make) {
  CheckCommandLines<TClearCaseMakeActivityAction>({
      {"named, set as current",
       [](auto& a) {
         a.SetActivityName("fix_42");
         a.SetVOBSelector("/vobs/pvob");
       },
       true,
       {"mkactivity", "-nc", "-force", "activity:fix_42@/vobs/pvob"}},
      {"headline and no set",
       [](auto& a) {
         a.SetActivityName("fix_42");
         a.SetHeadline("Fix %VAR% now");
         a.SetDontSetAsCurrent(true);
         a.SetComment("c");
       },
       true,
       {"mkactivity", "-c \"c\"", "-headline \"Fix value now\"", "-nset", "-force",
        "activity:fix_42"}},
      {"generated name: the stored name is left out",
       [](auto& a) {
         a.SetActivityName("fix_42");
         a.SetAutoGenerateName(true);
       },
       true,
       {"mkactivity", "-nc", "-force"}},
      {"a headline that cannot be expanded stops at once",
       [](auto& a) {
         a.SetActivityName("fix_42");
         a.SetHeadline("%NOPE%");
         a.SetDontSetAsCurrent(true);
       },
       false,
       {"mkactivity", "-nc"},
       "cannot expand Headline"},
  });
}

TEST_F(Activity, SetActivityDoesNotPersistTheComment) {
  const auto names = cctest::PublishedNames(TClearCaseSetActivityAction());
  EXPECT_EQ(std::count(names.begin(), names.end(), "Comment"), 0);
  EXPECT_EQ(std::count(names.begin(), names.end(), "NoComment"), 0);
}

}  // namespace
