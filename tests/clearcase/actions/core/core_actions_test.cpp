#include "clearcase/actions/core/attribute_action.h"
#include "clearcase/actions/core/base_action.h"
#include "clearcase/actions/core/storage_strings.h"
#include "clearcase/actions/core/ucm_action.h"
#include "clearcase/actions/element/checkout_action.h"

#include <random>
#include <string>

#include "command_cases.h"

namespace {

using BaseAction = cctest::ActionCommandTest;
using cctest::Args;
using cctest::With;
using TOperation = bool (clearcase::TClearCaseBaseAction::*)(vy::ICommandLineBuilder&);
using TUCMOperation = bool (clearcase::TClearCaseUCMAction::*)(vy::ICommandLineBuilder&);
using List = vy::TStringList;

// Runs one shared operation after the base's part of the command line (none: the base alone).
template <TOperation Op = nullptr>
class TProbeAction : public clearcase::TClearCaseBaseAction {
 public:
  TProbeAction() { SetVariable("NOTHING", ""); }
  std::string GetActionName() const override { return "Probe"; }
  std::string GetCommand() const override { return "probe"; }
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override {
    const bool base = TClearCaseBaseAction::GetCommandLine(builder);
    return (Op == nullptr || (this->*Op)(builder)) && base;
  }

  const vy::TPropertyList& PublishedProperties() const override {
    using T = TProbeAction;
    static const vy::TPropertyList list =
        vy::Publish<T>()
            .Boolean("NoComment", &T::GetNoComment, &T::SetNoComment)
            .String("Comment", &T::GetComment, &T::SetComment)
            .String("PathNameStorageString", &T::GetPathNameStorageString,
                    &T::SetPathNameStorageString)
            .String("ObjectsStorageString", &T::GetObjectsStorageString,
                    &T::SetObjectsStorageString)
            .String("VersionSelector", &T::GetVersionSelector, &T::SetVersionSelector)
            .Boolean("UseVersionSelector", &T::GetUseVersionSelector, &T::SetUseVersionSelector);
    return list;
  }
};

constexpr const char* kDefaultError =
    "Error: The Default View you have specified is invalid or does not exist. To rectify go to "
    "Tools->Options.";

TEST_F(BaseAction, ViewContextDecidesWhereCleartoolRuns) {
  // Markers: "VIEW" the test's view, "MISSING" a folder that is not there, "BIN" the folder
  // of cleartool; anything else is used as written.
  const struct {
    const char* name;
    bool useDefault;
    const char* viewPath;
    const char* defaultView;
    const char* pathNames;
    const char* objects;
    bool ok;
    const char* startIn;
    const char* error;
  } rows[] = {
      {"own view", false, "VIEW", "", "a.c", "", true, "VIEW", ""},
      {"own view missing", false, "MISSING", "", "a.c", "", false, "", cctest::kViewError},
      {"default view", true, "", "VIEW", "x@@/main/1", "", true, "VIEW", ""},
      {"default view missing", true, "VIEW", "MISSING", "a.c", "", false, "", kDefaultError},
      {"no view, view paths only", false, "", "", "a.c\r\nb.c", "", true, "BIN", ""},
      {"no view, an extended path", false, "", "", "a.c\r\nb@@", "", false, "", cctest::kViewError},
      {"no view, objects", false, "", "", "b@@", "lbtype:L", true, "BIN", ""},
      {"empty default, view paths", true, "VIEW", "", "a.c", "", true, "BIN", ""},
      {"empty default, nothing", true, "", "", "", "", false, "", kDefaultError},
      // An expansion failure is reported by the host first; the base's own message comes last.
      {"view path not expanded", false, "%V%", "", "", "", false, "", cctest::kViewError},
  };
  const auto resolve = [this](const std::string& marker) {
    if (marker == "VIEW") return view_;
    if (marker == "MISSING") return Path("missing");
    return marker == "BIN" ? Path("bin") : marker;
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TProbeAction<> action;
    action.SetUseDefaultViewContext(row.useDefault);
    action.SetViewContextPath(resolve(row.viewPath));
    Options().SetDefaultViewPath(resolve(row.defaultView));
    action.SetPathNameStorageString(row.pathNames);
    action.SetObjectsStorageString(row.objects);
    const auto built = Build(action);
    EXPECT_EQ(built.ok, row.ok);
    EXPECT_EQ(action.ResolvedStartingDir(), resolve(row.startIn));
    EXPECT_EQ(built.errors.empty() ? "" : built.errors.back(), row.error);
  }
}

TEST_F(BaseAction, CleartoolPathProblemsStopTheBuildAndFailValidation) {
  TProbeAction<> action;
  action.SetViewContextPath(view_);
  const struct {
    std::string path;
    std::string message;
  } rows[] = {
      {Path("bin/nothing-here"), "Cleartool.exe cannot be found at the path specified."},
      {"", "The path to cleartool.exe has not been specified."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.message);
    Options().SetClearToolPath(row.path);
    const auto built = Build(action);
    EXPECT_FALSE(built.ok);
    EXPECT_TRUE(built.arguments.empty());
    EXPECT_EQ(built.errors, Args{row.message + " Please check under Tools -> Options."});
    cctest::TValidationSink sink;
    EXPECT_FALSE(action.Validate(sink));
    EXPECT_EQ(sink.errors, Args{"Options: " + row.message + " (options)"});
  }
}

// The rows give the argv cleartool receives; quoting of any text is the
// generated test's below.
TEST_F(BaseAction, CommentReachesCleartoolAsOneArgumentOrNc) {
  CheckArgv<TProbeAction<&clearcase::TClearCaseBaseAction::AddComment>>({
      {"no comment", With({}), true, {"probe", "-nc"}},
      {"loaded NoComment wins", With({"NoComment", "Comment=typed later"}), true, {"probe", "-nc"}},
      {"expanded", With({"Comment=by %VAR%"}), true, {"probe", "-c", "by value"}},
      {"expanded to nothing", With({"Comment=%NOTHING%"}), true, {"probe", "-nc"}},
      {"cannot be expanded", With({"Comment=%NOPE%"}), false, {"probe"}, "cannot expand Comment"},
  });
  // An empty comment is saved as NoComment, which the row above loads.
  TProbeAction<> action;
  EXPECT_EQ(*vy::GetPropertyText(action, "NoComment"), "true");
  action.SetComment("x");
  EXPECT_EQ(*vy::GetPropertyText(action, "NoComment"), "false");
}

TEST_F(BaseAction, OperandsReachCleartoolOneArgumentEach) {
  using Base = clearcase::TClearCaseBaseAction;
  CheckArgv<TProbeAction<&Base::AddPathNames>>({
      {"path names: view names first, expanded, an empty entry kept",
       With({"PathNameStorageString=%VAR%/a.c@@/main/1\r\n%VAR%/b c.c\r\nwe\"ird.c\r\n\r\n"}),
       true,
       {"probe", "value/b c.c", "we\"ird.c", "", "value/a.c@@/main/1"}},
      {"not expanded", With({"PathNameStorageString=%NOPE%/x"}), false, {"probe"}, "cannot expand"},
  });
  CheckArgv<TProbeAction<&Base::AddObjectSelectors>>({
      {"object selectors with a blank, a tab or a quote stay whole",
       With({"ObjectsStorageString=lbtype:REL@/vobs/src\r\nlbtype:MY LABEL@/vobs/src\r\n"
             "lbtype:TAB\tBED\r\nlbtype:Q\"UOTE"}),
       true,
       {"probe", "lbtype:REL@/vobs/src", "lbtype:MY LABEL@/vobs/src", "lbtype:TAB\tBED",
        "lbtype:Q\"UOTE"}},
  });
  // Where the quotes go on the command line is the action tables' (objects
  // quoted only when needed, a label's quote after the colon).
  CheckCommandLines<TProbeAction<&Base::AddVersionSelector>>({
      {"version selector used but empty", With({"UseVersionSelector"}), true, {"probe"}},
  });
}

// Generated comments and path names of quotes, runs of backslashes, blanks,
// tabs, line breaks and bytes that are not UTF-8 reach cleartool exactly.
TEST_F(BaseAction, AnyCommentAndPathReachCleartoolByteForByte) {
  static constexpr const char* kPieces[] = {"\"", "\\",   "\\\\", " ",        "\t", "\r\n",
                                            "a",  "\x80", "\xfe", "\xc3\xa9", "/",  "%%"};
  std::mt19937 random(2024);
  std::uniform_int_distribution<int> length(1, 10);
  std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
  const auto text = [&] {
    std::string written;
    for (int n = length(random); n > 0; --n) written += kPieces[piece(random)];
    return written;
  };
  // What the host makes of a written text: "%%" is one percent sign.
  const auto expanded = [](std::string written) {
    for (std::size_t at = written.find("%%"); at != std::string::npos; at = written.find("%%", at))
      written.erase(at++, 1);
    return written;
  };
  for (int round = 0; round < 2000; ++round) {
    TProbeAction<&clearcase::TClearCaseBaseAction::AddComment> comment;
    TProbeAction<&clearcase::TClearCaseBaseAction::AddPathNames> paths;
    comment.SetViewContextPath(view_);
    paths.SetViewContextPath(view_);
    std::string written = text();
    comment.SetComment(written);
    Args expected = {"probe"};
    if (expanded(written).empty()) {
      expected.push_back("-nc");
    } else {
      expected.insert(expected.end(), {"-c", expanded(written)});
    }
    ASSERT_EQ(Build(comment).argv, expected) << "[" << written << "]";
    expected = {"probe"};
    for (int n = 0; n < 3; ++n) {
      written = text();
      paths.ViewPathNames().push_back(written);
      // A path names one item: blanks and tabs around it are dropped.
      std::string path = expanded(written);
      path.erase(0, path.find_first_not_of(" \t"));
      path.erase(path.find_last_not_of(" \t") + 1);
      expected.push_back(path);
    }
    ASSERT_EQ(Build(paths).argv, expected);
  }
}

// Puts the attribute on the command line after the base's part.
class TAttributeProbe : public clearcase::TClearCaseBaseAttributeAction {
 public:
  std::string GetActionName() const override { return "Probe"; }
  std::string GetCommand() const override { return "probe"; }
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override {
    const bool base = TClearCaseBaseAttributeAction::GetCommandLine(builder);
    const bool own = withValue ? AddAttributeNameAndValue(builder) : AddAttributeName(builder);
    return own && base;
  }
  bool withValue = true;
};

// The probe's settings: the attribute's name and VOB, alone or with a value.
auto Attribute(const char* name, const char* vob) {
  return [=](TAttributeProbe& a) {
    a.withValue = false;
    a.SetAttributeName(name);
    a.SetVOBSelector(vob);
  };
}
auto AttributeValue(const char* name, const char* vob, const char* value, bool useDefault = false) {
  return [=](TAttributeProbe& a) {
    Attribute(name, vob)(a);
    a.withValue = true;
    a.SetAttributeValue(value);
    a.SetUseDefaultAttributeValue(useDefault);
  };
}

TEST_F(BaseAction, AttributeNameAndValueOnTheCommandLine) {
  // clang-format off
  CheckCommandLines<TAttributeProbe>({
      {"blanks are never quoted", Attribute("My Status", "/vobs/my vob"), true,
       {"probe", "My Status@/vobs/my vob"}},
      {"VOB expanded too", Attribute("%VAR%", "%VAR%"), true, {"probe", "value@value"}},
      {"empty name", Attribute("", "/vobs/src"), false, {"probe"}, cctest::kNoAttributeName},
      {"name that cannot be expanded", Attribute("%NOPE%", ""), false, {"probe"},
       "cannot expand Attribute Name"},
      {"name and value, not quoted", AttributeValue("Status", "", "in %VAR%"), true,
       {"probe", "Status", "in value"}},
      {"empty value is still an argument", AttributeValue("Status", "", ""), true,
       {"probe", "Status", ""}},
      {"default value ignores the value", AttributeValue("Status", "/vobs/src", "passed", true),
       true, {"probe", "-default", "Status@/vobs/src"}},
      {"empty name: the value still follows", AttributeValue("", "", "passed"), false,
       {"probe", "passed"}, cctest::kNoAttributeName},
      {"value that cannot be expanded", AttributeValue("Status", "", "%NOPE%"), false,
       {"probe", "Status"}, "cannot expand Attribute Value"},
  });
  // clang-format on
}

// Runs one UCM operation after the base's part of the command line.
class TUCMProbe : public clearcase::TClearCaseUCMAction {
 public:
  std::string GetActionName() const override { return "Probe"; }
  std::string GetCommand() const override { return "probe"; }
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override {
    const bool base = TClearCaseUCMAction::GetCommandLine(builder);
    return (this->*operation)(builder) && base;
  }
  TUCMOperation operation = nullptr;
};

constexpr TUCMOperation kName = &clearcase::TClearCaseUCMAction::AddActivityName;
constexpr TUCMOperation kSelectors = &clearcase::TClearCaseUCMAction::AddActivitySelectors;
constexpr TUCMOperation kComponents = &clearcase::TClearCaseUCMAction::AddComponentSelector;

// The probe's settings. Variables: TWO holds two activities on two lines, NONE nothing.
auto Ucm(TUCMOperation operation, const char* activities, bool useCurrent = false,
         const char* vob = "", const char* components = "") {
  return [=](TUCMProbe& a) {
    a.SetVariable("TWO", "x\r\ny\r\n");
    a.SetVariable("NONE", "");
    a.operation = operation;
    a.SetActivitySelectorStorageString(activities);
    a.SetUseCurrentActivity(useCurrent);
    a.SetVOBSelector(vob);
    a.SetComponentSelectorStorageString(components);
  };
}

TEST_F(BaseAction, UCMOperationsRenderActivitiesAndComponents) {
  // clang-format off
  CheckCommandLines<TUCMProbe>({
      {"current activity wins", Ucm(kName, "fix_23\r\n", true), true, {"probe", "-cact"}},
      {"name with the VOB", Ucm(kName, "fix_23\r\n", false, "/vobs/pvob"), true,
       {"probe", "activity:fix_23@/vobs/pvob"}},
      {"blank in the name: the quotes enclose the kind and the VOB",
       Ucm(kName, "fix 23\r\n", false, "/vobs/pvob"), true,
       {"probe", "\"activity:fix 23@/vobs/pvob\""}},
      {"both expanded", Ucm(kName, "%VAR%\r\n", false, "%VAR%"), true,
       {"probe", "activity:value@value"}},
      {"only the first counts", Ucm(kName, "a\r\nb\r\n"), true, {"probe", "activity:a"}},
      {"name that cannot be expanded", Ucm(kName, "%NOPE%\r\n"), false, {"probe"},
       "cannot expand Activity Name"},
      {"selectors: current activity", Ucm(kSelectors, "a\r\n", true), true, {"probe", "-cact"}},
      {"selectors joined without the VOB", Ucm(kSelectors, "a\r\nb@/vobs/pvob\r\n", false,
       "/vobs/pvob"), true, {"probe", "activity:a,activity:b@/vobs/pvob"}},
      {"selector expanding to two lines", Ucm(kSelectors, "%TWO%\r\nc\r\n"), true,
       {"probe", "activity:x,activity:y,activity:c"}},
      {"expands to nothing", Ucm(kSelectors, "%NONE%\r\n"), true, {"probe", "activity:"}},
      {"selector with a blank", Ucm(kSelectors, "a b\r\n"), true, {"probe", "\"activity:a b\""}},
      {"two components in one argument", Ucm(kComponents, "", false, "", "c1@/vobs/pvob\r\nc2\r\n"),
       true, {"probe", "c1@/vobs/pvob,c2"}},
      {"components are neither expanded nor prefixed",
       Ucm(kComponents, "", false, "", "%VAR% x\r\n"), true, {"probe", "\"%VAR% x\""}},
      {"no component", Ucm(kComponents, ""), false, {"probe"}, cctest::kNoComponents},
  });
  // clang-format on
}

TEST_F(BaseAction, UCMActivityNameIsTheFirstSelectorAndReplacesTheList) {
  TUCMProbe action;
  action.SetActivitySelectorStorageString("a\r\nb");
  EXPECT_EQ(action.GetActivityName(), "a");
  EXPECT_EQ(action.GetActivitySelectorStorageString(), "a\r\nb\r\n");
  action.SetActivityName("");
  EXPECT_EQ(action.ActivitySelectors(), Args{""});
  EXPECT_EQ(action.GetActivitySelectorStorageString(), "\r\n");
}

TEST(StorageStrings, EveryLineBreakFormEndsAnEntry) {
  const struct {
    const char* text;
    List entries;
  } rows[] = {
      {"", {}},
      {"a\rb\nc\r\n", {"a", "b", "c"}},
      {"a\r\n\r\nb\r\n", {"a", "", "b"}},
      {"\n\r", {"", ""}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(clearcase::SplitStorageString(row.text), row.entries) << row.text;
  }
  EXPECT_EQ(clearcase::JoinStorageString({}), "");
  EXPECT_EQ(clearcase::JoinStorageString({"a", "", "b c"}), "a\r\n\r\nb c\r\n");
}

TEST(StorageStrings, PathNamesReadBackViewNamesFirstAndObjectsInOrder) {
  clearcase::TClearCaseCheckoutAction action;
  action.SetPathNameStorageString("src/a.c@@/main/2\nsrc/b c.c\r\n\r\nx@@\rdir/y");
  EXPECT_EQ(action.ViewPathNames(), (List{"src/b c.c", "", "dir/y"}));
  EXPECT_EQ(action.ExtendedPathNames(), (List{"src/a.c@@/main/2", "x@@"}));
  EXPECT_EQ(action.GetPathNameStorageString(),
            "src/b c.c\r\n\r\ndir/y\r\nsrc/a.c@@/main/2\r\nx@@\r\n");
  action.SetPathNameStorageString("");
  EXPECT_TRUE(action.GetPathNames().empty());

  action.SetObjectsStorageString("lbtype:REL@/vobs/src\r\n brtype:dev \r\nvob:/vobs/src");
  EXPECT_EQ(action.ObjectSelectors(),
            (List{"lbtype:REL@/vobs/src", " brtype:dev ", "vob:/vobs/src"}));
  EXPECT_EQ(action.GetObjectsStorageString(),
            "lbtype:REL@/vobs/src\r\n brtype:dev \r\nvob:/vobs/src\r\n");
}

}  // namespace
