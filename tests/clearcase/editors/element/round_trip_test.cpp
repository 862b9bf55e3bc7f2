// Opening an action's whole property dialog and pressing OK: every page the
// package registers for the type reads the action, then each writes it back
// in page order, and every published property must come out as stored,
// except where a page rule says otherwise (the changes of a row).
//
// To cover another type, add a row: its type identifier, the properties to
// store, and the properties that the pages change.
//
// The same pages, opened together, also carry the rules by which one choice
// switches other controls on or off (kRules below), and the rules by which
// their lists run the listings.

#include <map>

#include "clearcase/editors/shared/view_context_sub_frame.h"
#include "type_pages.h"

namespace {

using cctest::DropDown;
using cctest::TStored;
using cctest::Type;

struct TRoundTripRow {
  const char* typeId;
  TStored stored;
  TStored changed;  // what the pages store instead
  bool clearCaseLT = false;
};

const char* const kPaths = "src/a.c\r\nsrc/b c.c\r\nsrc/util.h@@/main/2\r\n";

// clang-format off
const TRoundTripRow kRows[] = {
    {"CC_UPDATE", {{"PretendOnly", "true"}, {"HijackMode", "hmRename"}, {"UpdateTimestamp", "tbCurrent"},
                   {"ViewContextPath", "/views/snap"}, {"UseDefaultViewContext", "false"}}, {}},
    {"CC_CHECKOUT", {{"PathNameStorageString", kPaths}, {"Comment", "for the build"}, {"NoComment", "false"},
                     {"ViewContextPath", "/views/dev"}, {"Reserved", "true"}, {"Unreserved", "true"},
                     {"PreserveTime", "true"}, {"DataLocation", "coOut"}, {"OutExternalPath", "/tmp/out"},
                     {"SelectionMode", "coVersion"}, {"BranchSelector", "dev"}, {"VersionSelector", "/main/3"}}, {}},
    // ClearCase LT has no version or branch to choose; the selectors stay.
    {"CC_CHECKOUT", {{"SelectionMode", "coBranch"}, {"BranchSelector", "dev"}, {"VersionSelector", "/main/3"}},
     {{"SelectionMode", "coDefault"}, {"Unreserved", "true"}}, true},
    {"CC_CHECKIN", {{"PathNameStorageString", kPaths}, {"Comment", "done"}, {"NoComment", "true"},
                    {"NoWarnings", "true"}, {"PreserveTime", "true"}, {"IdenticalCheckin", "true"},
                    {"Keep", "true"}}, {}},
    // Keep is read before Remove, which clears it.
    {"CC_CHECKIN", {{"Keep", "true"}, {"Remove", "true"}}, {{"Keep", "false"}}},
    {"CC_UNCHECKOUT", {{"PathNameStorageString", kPaths}, {"Keep", "true"}}, {}},
    {"UCM_UNCHECKOUT", {{"Keep", "true"}, {"ViewContextPath", "/views/dev"}}, {}},
    {"UCM_CHECKIN", {{"ActivityName", "fix_23"}, {"VOBSelector", "/vobs/pvob"}, {"Remove", "true"},
                     {"Comment", "activity done"}}, {}},
    {"UCM_SETACTIVITY", {{"ActivityName", "fix_23"}, {"VOBSelector", "/vobs/pvob"}, {"UseCurrentActivity", "true"},
                         {"SetActivityToNone", "true"}, {"UseDefaultViewContext", "true"}}, {}},
    {"CC_MKELEM", {{"PathNameStorageString", "src/new.c\r\n"}, {"Comment", "new"}, {"Checkout", "ccCheckedIn"},
                   {"UseElementType", "true"}, {"ElementType", "text_file"}, {"PreserveTime", "true"},
                   {"MakePath", "true"}, {"Master", "true"}, {"NoWarnings", "true"}}, {}},
    {"CC_MKELEM", {{"Master", "true"}, {"Checkout", "ccNoCheckOut"}}, {}, true},
    {"CC_FINDCHECKOUTS", {{"ViewContextPath", "/views/dev"}, {"WriteToVariable", "true"},
                          {"VariableName", "CHECKOUTS"}, {"UseShort", "false"}, {"Recurse", "true"}}, {}},
    {"CC_FINDCHECKOUTS", {{"VariableName", "NO_SUCH_VARIABLE"}}, {{"VariableName", ""}}},
    {"CC_GETCONFIGSPEC", {{"OutputToFile", "true"}, {"OutputFilePath", "/tmp/cs.txt"}}, {}},
    {"CC_SETCONFIGSPEC", {{"CSpecChoice", "csStream"}, {"CSFilePath", "/tmp/cs.txt"}}, {}},
    // Arguments keep the line breaks they were stored with.
    {"CC_GENERIC", {{"Command", "lsview"}, {"Arguments", "-long\r\n-cview"}, {"SaveOutput", "true"},
                    {"VyVariable", "CHECKOUTS"}, {"ViewContextPath", "/views/dev"}}, {}},
    {"CC_GENERIC", {{"VyVariable", "NO_SUCH_VARIABLE"}}, {{"VyVariable", ""}}},
    // Type, label, lock and attribute actions. A stored mixed-case label type
    // name survives the upper-case rule.
    {"CC_MKLBTYPE", {{"LabelTypeName", "Rel_2"}, {"VOBSelector", "/vobs/src"}, {"MakeGlobal", "true"},
                     {"Acquire", "true"}, {"PBranch", "true"}, {"Shared", "true"}, {"Replace", "true"},
                     {"Comment", "next release"}}, {}},
    {"CC_LABEL", {{"PathNameStorageString", kPaths}, {"LabelTypeName", "REL_1.0"}, {"VOBSelector", "/vobs/src"},
                  {"UseVersionSelector", "true"}, {"VersionSelector", "/main/LATEST"}, {"Replace", "true"},
                  {"Recurse", "true"}, {"FollowLinks", "true"}, {"ViewContextPath", "/views/dev"},
                  {"Comment", "labelled"}}, {}},
    // The user list is stored without blanks around its commas.
    {"CC_LOCK", {{"PathNameStorageString", kPaths}, {"Replace", "true"}, {"UseNUsers", "true"},
                 {"NUsersList", "alice, bob ,carol"}}, {{"NUsersList", "alice,bob,carol"}}},
    // An obsolete object is locked for everyone.
    {"CC_LOCK_OBJ", {{"ObjectsStorageString", "lbtype:REL_1.0@/vobs/src\r\n\r\nreplica:r1@/vobs/src\r\n"},
                     {"Obsolete", "true"}, {"UseNUsers", "true"}, {"NUsersList", "alice"}},
     {{"UseNUsers", "false"}}},
    {"CC_UNLOCK", {{"PathNameStorageString", kPaths}, {"Comment", "released"}}, {}},
    {"CC_UNLOCK_OBJ", {{"ObjectsStorageString", "brtype:maint_1.0@/vobs/src\r\n"}}, {}},
    {"CC_MKATTRTYPE", {{"AttributeName", "BuildNumber"}, {"VOBSelector", "/vobs/src"},
                       {"Constraints", "lcVPbranch"}, {"Global", "true"}, {"Acquire", "true"},
                       {"NewAttributeType", "atInteger"}, {"UseDefaultValue", "true"}, {"DefaultValue", "7"},
                       {"Replace", "true"}, {"Shared", "true"}, {"UseMin", "true"}, {"MinValue", "-1500"},
                       {"MinInclusive", "true"}, {"UseMax", "true"}, {"MaxValue", "1000000"},
                       {"MaxInclusive", "true"}, {"Comment", "build counter"}}, {}},
    {"CC_MKATTRTYPE", {{"NewAttributeType", "atDate"}, {"UseMin", "true"}, {"MinValue", "01-Jan-08"},
                       {"MaxValue", "today.14:05:00"}, {"DefaultValue", "yesterday"}}, {}},
    // A numeric box always holds a number: an empty bound comes back as 0.
    {"CC_MKATTRTYPE", {{"NewAttributeType", "atString"}, {"DefaultValue", "untested"}},
     {{"MinValue", "0"}, {"MaxValue", "0"}}},
    {"CC_APPLYATTR", {{"PathNameStorageString", kPaths}, {"AttributeName", "Status"}, {"VOBSelector", "/vobs/src"},
                      {"AttributeValue", "\"passed\""}, {"UseVersionSelector", "true"},
                      {"VersionSelector", "/main/2"}, {"Replace", "true"}, {"Recurse", "true"}}, {}},
    {"CC_APPLYATTR_OBJ", {{"ObjectsStorageString", "lbtype:REL_1.0@/vobs/src\r\n"}, {"AttributeName", "Status"},
                          {"VOBSelector", "/vobs/src"}, {"AttributeValue", "kept"},
                          {"UseDefaultAttributeValue", "true"}, {"Replace", "true"}}, {}},
    // UCM actions.
    {"UCM_MAKEACTIVITY", {{"ActivityName", "fix 24"}, {"VOBSelector", "/vobs/pvob"}, {"ViewContextPath", "/views/dev"},
                          {"Comment", "new work"}, {"AutoGenerateName", "true"}, {"DontSetAsCurrent", "true"},
                          {"Headline", "Fix $(Build)"}}, {}},
    {"UCM_MAKEBL", {{"SelectionType", "slComponents"}, {"SelectIdenticalComponents", "true"}, {"Labelling", "lbNone"},
                    {"BaselineRootName", "REL_$(Build)"}, {"DesignLastPVOB", "/vobs/pvob"},
                    {"DesignLastProject", "webshop"}, {"DesignLastStream", "dev_alice"}, {"Comment", "nightly"},
                    {"ViewContextPath", "/views/dev"}, {"ActivitySelectorStorageString", "fix_23\r\n"},
                    {"ComponentSelectorStorageString", "comp_core@/vobs/pvob\r\ncomp_docs@/vobs/pvob\r\n"}}, {}},
    // Blanks separate entries; a template is the only name when there is
    // no root name.
    {"UCM_MAKEBL", {{"SelectionType", "slActivities"}, {"Labelling", "lbAll"},
                    {"ComponentSelectorStorageString", "comp_core comp_docs\r\n\r\n"},
                    {"ActivitySelectorStorageString", "fix_23  fix_24\r\n"}},
     {{"ComponentSelectorStorageString", "comp_core\r\ncomp_docs\r\n"}, {"UseBaselineNameTemplate", "true"},
      {"ActivitySelectorStorageString", "fix_23\r\nfix_24\r\n"}}},
    // The from-label components are kept as typed, blank line included.
    {"UCM_MAKEBL_LABEL", {{"SpecifyComponents", "true"}, {"Comment", "import"}, {"ViewContextPath", "/views/dev"},
                          {"ComponentSelectorStorageString", "comp core\r\n\r\ncomp_docs\r\n"},
                          {"LabelTypeName", "REL_1.0"}, {"VOBSelector", "/vobs/src"}}, {}},
    {"CC_CHANGEBASELINE", {{"TypeChange", "blIncremental"}, {"Recurse", "false"}, {"AssignLevel", "true"},
                           {"PromotionLevel", "BUILT"}, {"Baseline", "BL_1"}, {"ProjectVOB", "vobs/pvob"},
                           {"Comment", "tested"}}, {}},
    // A stored level is not assigned unless the action says so.
    {"CC_CHANGEBASELINE", {{"TypeChange", "blFull"}, {"PromotionLevel", "RELEASED"}}, {}},
    {"CC_CHANGESTREAM", {{"VOBSelector", "/vobs/pvob"}, {"DesignProject", "webshop"}, {"StreamName", "dev_alice"},
                         {"ChangeRecommended", "true"},
                         {"RecommendBaselines", "BL_1@/vobs/pvob\r\nDOCS_1@/vobs/pvob\r\n"},
                         {"EnablePolicy", "true"}, {"EnablePolicyNames", "POLICY_A,POLICY_B"},
                         {"DisablePolicy", "true"}, {"DisablePolicyNames", "POLICY_C"}, {"GenerateSpec", "true"},
                         {"ChangeTarget", "true"}, {"NewTargetStream", "webshop_int@/vobs/pvob"},
                         {"Comment", "recommend"}}, {}},
    {"CC_CHANGESTREAM", {{"ChangeRecommended", "true"}, {"RecommendDefaults", "true"}, {"ClearTarget", "true"}}, {}},
    // Clearing is read last and wins over a change stored beside it.
    {"CC_CHANGESTREAM", {{"ChangeRecommended", "true"}, {"ClearRecommended", "true"}, {"ChangeTarget", "true"},
                         {"ClearTarget", "true"}}, {{"ChangeRecommended", "false"}, {"ChangeTarget", "false"}}},
};
// clang-format on

std::map<std::string, std::string> Published(const vy::TCustomVyAction& action) {
  std::map<std::string, std::string> values;
  for (const vy::TPublishedProperty& property : action.PublishedProperties().Items())
    values[property.name] = *vy::GetPropertyText(action, property.name);
  return values;
}

using TypePagesTest = cctest::TTypePagesTest;

TEST_F(TypePagesTest, AcceptingEveryPageKeepsWhatThePagesDoNotDecide) {
  for (const TRoundTripRow& row : kRows) {
    SCOPED_TRACE(testing::Message() << row.typeId << " row " << (&row - kRows));
    OpenPages(row.typeId, row.stored, row.clearCaseLT);
    if (HasFatalFailure()) return;
    std::map<std::string, std::string> expected = Published(*action_);
    for (const auto& [name, value] : row.changed) {
      ASSERT_TRUE(expected.count(name)) << name;
      expected[name] = value;
    }
    // Every view panel turns a custom view without a folder into the
    // default view; the rows need not say so.
    bool viewPanel = false;
    for (auto& page : pages_)
      for (auto* panel : page->findChildren<clearcase::editors::TClearCaseViewContextSubFrame*>())
        viewPanel = viewPanel || panel->isEnabled();
    if (viewPanel && expected["ViewContextPath"].empty())
      expected["UseDefaultViewContext"] = "true";

    WritePages();
    EXPECT_EQ(Published(*action_), expected);
  }
}

// The choices that switch other controls on or off, or untick each other:
// the pages of the type read the stored values, the user clicks one control,
// and then each named control must be "+" enabled, "-" disabled, "x" ticked
// or "o" not ticked.
struct TRuleRow {
  const char* typeId;
  TStored stored;
  const char* click;  // nullptr: the state after reading
  std::vector<std::string> expected;
  bool clearCaseLT = false;
};

// clang-format off
const TRuleRow kRules[] = {
    {"CC_UPDATE", {{"PretendOnly", "true"}, {"HijackMode", "hmRename"}}, nullptr,
     {"-overwriteButton", "-noOverwriteButton", "-renameButton", "xrenameButton", "-TSdefaultButton", "-TSctimeButton",
      "-TSptimeButton"}},
    {"CC_UPDATE", {{"PretendOnly", "true"}}, "checkPretend",
     {"+overwriteButton", "+noOverwriteButton", "+renameButton", "+TSdefaultButton", "+TSctimeButton", "+TSptimeButton"}},
    {"CC_CHECKIN", {{"Keep", "true"}, {"Remove", "true"}}, "boxKeep", {"xboxKeep", "oboxRemove"}},
    // ClearCase LT has no version or branch to choose (nor shows the stored ones: the round trip).
    {"CC_CHECKOUT", {{"SelectionMode", "coVersion"}, {"VersionSelector", "/main/3"}}, nullptr,
     {"xbtnSelModeDefault", "-btnSelModeDefault", "-btnSelModeBranch", "-txtBranchName", "-btnSelModeVersion",
      "-txtVersionName"}, true},
    {"CC_MKELEM", {{"Checkout", "ccCheckedIn"}}, nullptr, {"+boxPreserveTime"}},
    {"CC_MKELEM", {{"Checkout", "ccCheckedIn"}}, "btnNoCheckOut", {"-boxPreserveTime"}},
    {"CC_MKELEM", {{"Master", "true"}}, nullptr, {"-boxMaster", "oboxMaster"}, true},
    {"CC_GETCONFIGSPEC", {}, nullptr, {"-txtFilePath"}},
    {"CC_GETCONFIGSPEC", {}, "boxUseFile", {"+txtFilePath"}},
    {"CC_SETCONFIGSPEC", {{"CSpecChoice", "csFile"}}, nullptr, {"+txtSpecFile"}},
    {"CC_SETCONFIGSPEC", {{"CSpecChoice", "csFile"}}, "btnStream", {"-txtSpecFile"}},
    {"CC_MKLBTYPE", {{"MakeGlobal", "true"}}, nullptr, {"+boxAcquire"}},
    {"CC_MKLBTYPE", {{"MakeGlobal", "true"}}, "btnOrdinary", {"-boxAcquire"}},
    {"CC_LABEL", {{"UseVersionSelector", "true"}}, nullptr, {"+txtVersionSelector"}},
    {"CC_LABEL", {{"UseVersionSelector", "true"}}, "boxUseVersionSelector", {"-txtVersionSelector"}},
    // An obsolete object is locked for everyone: the two choices untick each other.
    {"CC_LOCK", {{"UseNUsers", "true"}, {"Obsolete", "true"}}, "boxUseNUsers", {"oboxObsolete", "+txtNUsersList"}},
    {"CC_LOCK", {{"UseNUsers", "true"}}, "boxObsolete", {"oboxUseNUsers", "-txtNUsersList"}},
    {"CC_MKATTRTYPE", {{"NewAttributeType", "atInteger"}, {"UseMin", "true"}, {"UseMax", "true"}}, "boxMin",
     {"-txtMinNum", "+txtMaxNum"}},
    {"UCM_MAKEBL", {}, nullptr, {"-txtBaselineRootName", "-edtComponents", "-btnAddComp", "-edtActivities", "-btnAddAct"}},
    {"UCM_MAKEBL", {}, "btnUseRootName", {"+txtBaselineRootName"}},
    {"UCM_MAKEBL", {}, "btnComponents", {"+edtComponents", "+btnAddComp", "-edtActivities", "-btnAddAct"}},
    {"UCM_MAKEBL", {}, "btnActivities", {"-edtComponents", "-btnAddComp", "+edtActivities", "+btnAddAct"}},
};
// clang-format on

TEST_F(TypePagesTest, ChoicesSwitchTheControlsTheyGovern) {
  for (const TRuleRow& row : kRules) {
    SCOPED_TRACE(testing::Message() << row.typeId << " row " << (&row - kRules));
    OpenPages(row.typeId, row.stored, row.clearCaseLT);
    if (HasFatalFailure()) return;
    if (row.click) cctest::Click(C<QAbstractButton>(row.click));
    for (const std::string& expected : row.expected) {
      auto* control = C(expected.substr(1));
      if (control == nullptr) continue;
      auto* button = qobject_cast<QAbstractButton*>(control);
      if (expected[0] == '+' || expected[0] == '-')
        EXPECT_EQ(control->isEnabled(), expected[0] == '+') << expected;
      else if (button == nullptr)
        ADD_FAILURE() << expected << " is no button";
      else
        EXPECT_EQ(button->isChecked(), expected[0] == 'x') << expected;
    }
  }
}

// Each list runs its listing when it drops down, as often as it must and
// never without what it lists in; opening the pages lists nothing.
TEST_F(TypePagesTest, ListsQueryAtDropDownOnlyWithWhatTheyNeed) {
  const struct {
    // The box typed into first (or nullptr), the list, the listing it runs.
    const char *typeId, *needs, *needsText, *box, *subcommand, *firstItem;
    int drops, runs;
  } rows[] = {
      // clang-format off
      {"CC_LABEL", "txtVOBSelector", "/vobs/src", "txtLabelName", "lstype", "NIGHTLY", 2, 2},
      {"CC_APPLYATTR_OBJ", nullptr, "", "txtAttrName", "lstype", "", 1, 0},
      {"CC_APPLYATTR_OBJ", "txtVOBSelector", "/vobs/src", "txtAttrName", "lstype", "BuildNumber", 1, 1},
      {"UCM_MAKEACTIVITY", nullptr, "", "txtVOBSelector", "lsvob", "/vobs/pvob", 2, 1},
      {"UCM_MAKEBL_LABEL", nullptr, "", "txtVOB", "lsvob", "/vobs/pvob", 2, 2},
      {"UCM_MAKEBL_LABEL", nullptr, "", "txtLabel", "lstype", "", 1, 0},
      {"UCM_MAKEBL_LABEL", "txtVOB", "/vobs/src", "txtLabel", "lstype", "NIGHTLY", 1, 1},
      {"CC_CHANGEBASELINE", nullptr, "", "cmbPVOB", "lsvob", "/vobs/pvob", 2, 2},
      {"CC_CHANGEBASELINE", nullptr, "", "cmbPromo", "describe", "", 1, 0},
      {"CC_CHANGEBASELINE", "cmbPVOB", "/vobs/pvob", "cmbPromo", "describe", "REJECTED", 1, 1},
      {"CC_CHANGESTREAM", "cmbPVOB", "/vobs/pvob", "cmbProject", "lsproject", "webshop", 2, 2},
      {"CC_CHANGESTREAM", "cmbPVOB", "/vobs/pvob", "cmbStream", "lsstream", "dev_alice", 1, 1},
      // clang-format on
  };
  UseStandIn();
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.typeId) + " " + row.box);
    const std::size_t runsBeforeOpening = StandInRuns().size();
    OpenPages(row.typeId);
    EXPECT_EQ(StandInRuns().size(), runsBeforeOpening);
    if (row.needs) Type(C<QComboBox>(row.needs), row.needsText);
    const int before = CountRuns(row.subcommand);
    auto* box = C<QComboBox>(row.box);
    for (int drop = 0; drop < row.drops; ++drop) DropDown(box);
    EXPECT_EQ(CountRuns(row.subcommand) - before, row.runs);
    EXPECT_EQ(box->count() > 0 ? box->itemText(0).toStdString() : "", row.firstItem);
    if (row.needs && row.runs > 0) {  // listed in what was typed
      EXPECT_TRUE(StandInRuns().back().back().ends_with(row.needsText));
    }
  }
}

}  // namespace
