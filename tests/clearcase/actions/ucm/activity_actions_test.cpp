#include "clearcase/actions/ucm/activity_actions.h"

#include "command_cases.h"

namespace {

using cctest::With;
using clearcase::TClearCaseSetActivityAction;

class Activity : public cctest::ActionCommandTest {};

TEST_F(Activity, Set) {
  CheckCommandLines<TClearCaseSetActivityAction>({
      {"never assigned: the current activity", With({}), true, {"setactivity", "-nc", "-cact"}},
      {"named activity with its project VOB",
       [](auto& a) {
         a.SetActivityName("fix_%VAR%");
         a.SetVOBSelector("/vobs/pvob");
         a.SetComment("start");
       },
       true,
       {"setactivity", "-c \"start\"", "activity:fix_value@/vobs/pvob"}},
      {"none wins over the name, which is not even expanded",
       With({"ActivityName=%NOPE%", "SetActivityToNone"}),
       true,
       {"setactivity", "-nc", "-none"}},
      {"an empty name counts", With({"ActivityName="}), true, {"setactivity", "-nc", "activity:"}},
      {"a name that cannot be expanded",
       With({"ActivityName=%NOPE%"}),
       false,
       {"setactivity", "-nc"},
       "cannot expand Activity Name"},
  });
}

TEST_F(Activity, Make) {
  CheckCommandLines<clearcase::TClearCaseMakeActivityAction>({
      {"named, set as current",
       With({"ActivityName=fix_42", "VOBSelector=/vobs/pvob"}),
       true,
       {"mkactivity", "-nc", "-force", "activity:fix_42@/vobs/pvob"}},
      {"headline, no set and a generated name: the stored name is left out",
       With({"ActivityName=fix_42", "Headline=Fix %VAR% now", "DontSetAsCurrent", "Comment=c",
             "AutoGenerateName"}),
       true,
       {"mkactivity", "-c \"c\"", "-headline \"Fix value now\"", "-nset", "-force"}},
      {"a headline that cannot be expanded stops at once",
       With({"ActivityName=fix_42", "Headline=%NOPE%", "DontSetAsCurrent"}),
       false,
       {"mkactivity", "-nc"},
       "cannot expand Headline"},
  });
}

TEST_F(Activity, SetActivityDoesNotPersistTheComment) {
  const vy::TPropertyList& published = TClearCaseSetActivityAction().PublishedProperties();
  EXPECT_EQ(published.Find("Comment"), nullptr);
  EXPECT_EQ(published.Find("NoComment"), nullptr);
}

}  // namespace
