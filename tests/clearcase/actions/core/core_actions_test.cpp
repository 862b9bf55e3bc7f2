#include "clearcase/actions/core/attribute_action.h"
#include "clearcase/actions/core/base_action.h"
#include "clearcase/actions/core/storage_strings.h"
#include "clearcase/actions/core/ucm_action.h"

#include <cstddef>
#include <random>
#include <string>
#include <type_traits>

#include "command_cases.h"

namespace {

using BaseAction = cctest::ActionCommandTest;
using cctest::Args;
using List = vy::TStringList;
using clearcase::TClearCaseBaseAction;
using clearcase::TClearCaseBaseAttributeAction;
using clearcase::TClearCaseUCMAction;

// Runs one shared operation of `Base` after the base's part of the command
// line (none: the base alone). Variables: NOTHING holds nothing, TWO two lines.
template <class Base = TClearCaseBaseAction, auto Op = nullptr>
class TProbe : public Base {
 public:
  TProbe() {
    this->SetVariable("NOTHING", "");
    this->SetVariable("TWO", "x\r\ny\r\n");
  }
  std::string GetActionName() const override { return "Probe"; }
  std::string GetCommand() const override { return "probe"; }
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override {
    const bool base = Base::GetCommandLine(builder);
    if constexpr (std::is_same_v<decltype(Op), std::nullptr_t>) {
      return base;
    } else {
      return (this->*Op)(builder) && base;
    }
  }
};
template <auto Op>
using TBaseProbe = TProbe<TClearCaseBaseAction, Op>;

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
    TProbe<> action;
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
  TProbe<> action;
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
  // clang-format off
  CheckCommandLines<TBaseProbe<&TClearCaseBaseAction::AddComment>>({
      {"no comment", [](auto&) {}, true, {"probe", "-nc"}},
      {"NoComment wins over a comment typed later",
       [](auto& a) { a.SetNoComment(true); a.SetComment("typed later"); }, true, {"probe", "-nc"}},
      {"expanded", [](auto& a) { a.SetComment("by %VAR%"); }, true, {"probe", "-c", "by value"}},
      {"expanded to nothing", [](auto& a) { a.SetComment("%NOTHING%"); }, true, {"probe", "-nc"}},
      {"cannot be expanded", [](auto& a) { a.SetComment("%NOPE%"); }, false, {"probe"},
       "cannot expand Comment"},
  }, /*argv=*/true);
  // clang-format on
  // An empty comment is saved as NoComment.
  TProbe<> action;
  EXPECT_TRUE(action.GetNoComment());
  action.SetComment("x");
  EXPECT_FALSE(action.GetNoComment());
}

TEST_F(BaseAction, OperandsReachCleartoolOneArgumentEach) {
  // clang-format off
  CheckCommandLines<TBaseProbe<&TClearCaseBaseAction::AddPathNames>>({
      {"path names: view names first, expanded, an empty entry kept", [](auto& a) {
         a.SetPathNameStorageString("%VAR%/a.c@@/main/1\r\n%VAR%/b c.c\r\nwe\"ird.c\r\n\r\n"); },
       true, {"probe", "value/b c.c", "we\"ird.c", "", "value/a.c@@/main/1"}},
      {"not expanded", [](auto& a) { a.SetPathNameStorageString("%NOPE%/x"); }, false, {"probe"},
       "cannot expand"},
  }, /*argv=*/true);
  CheckCommandLines<TBaseProbe<&TClearCaseBaseAction::AddObjectSelectors>>({
      {"object selectors with a blank, a tab or a quote stay whole", [](auto& a) {
         a.SetObjectsStorageString("lbtype:REL@/vobs/src\r\nlbtype:MY LABEL@/vobs/src\r\n"
                                   "lbtype:TAB\tBED\r\nlbtype:Q\"UOTE"); },
       true, {"probe", "lbtype:REL@/vobs/src", "lbtype:MY LABEL@/vobs/src", "lbtype:TAB\tBED",
              "lbtype:Q\"UOTE"}},
  }, /*argv=*/true);
  // Where the quotes go on the command line is the action tables' (objects
  // quoted only when needed, a label's quote after the colon).
  CheckCommandLines<TBaseProbe<&TClearCaseBaseAction::AddVersionSelector>>({
      {"version selector used but empty", [](auto& a) { a.SetUseVersionSelector(true); }, true,
       {"probe"}},
  }, /*argv=*/true);
  // clang-format on
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
    TBaseProbe<&TClearCaseBaseAction::AddComment> comment;
    TBaseProbe<&TClearCaseBaseAction::AddPathNames> paths;
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

// The probes' settings: the attribute's name and VOB.
auto Name(const char* name, const char* vob) {
  return [=](TClearCaseBaseAttributeAction& a) {
    a.SetAttributeName(name);
    a.SetVOBSelector(vob);
  };
}

// The actions' tables show the rest: the default value, a missing name, a
// value that cannot be expanded and a value that is command-line text.
TEST_F(BaseAction, AttributeNameAndValueOnTheCommandLine) {
  using Attribute = TClearCaseBaseAttributeAction;
  // clang-format off
  CheckCommandLines<TProbe<Attribute, &Attribute::AddAttributeName>>({
      {"blanks are never quoted", Name("My Status", "/vobs/my vob"), true,
       {"probe", "My Status@/vobs/my vob"}},
      {"VOB expanded too", Name("%VAR%", "%VAR%"), true, {"probe", "value@value"}},
      {"name that cannot be expanded", Name("%NOPE%", ""), false, {"probe"},
       "cannot expand Attribute Name"},
  });
  CheckCommandLines<TProbe<Attribute, &Attribute::AddAttributeNameAndValue>>({
      {"empty value is still an argument", Name("Status", ""), true, {"probe", "Status", ""}},
  });
  // clang-format on
}

// The probes' settings: the activities, whether the current one is used, the VOB.
auto Ucm(const char* activities, bool useCurrent = false, const char* vob = "") {
  return [=](TClearCaseUCMAction& a) {
    a.SetActivitySelectorStorageString(activities);
    a.SetUseCurrentActivity(useCurrent);
    a.SetVOBSelector(vob);
  };
}

// The actions' tables show a name with its VOB and quoted, one that cannot be
// expanded, components joined into one argument and none at all.
TEST_F(BaseAction, UCMOperationsRenderActivitiesAndComponents) {
  // clang-format off
  CheckCommandLines<TProbe<TClearCaseUCMAction, &TClearCaseUCMAction::AddActivityName>>({
      {"current activity wins", Ucm("fix_23\r\n", true), true, {"probe", "-cact"}},
      {"both expanded", Ucm("%VAR%\r\n", false, "%VAR%"), true, {"probe", "activity:value@value"}},
      {"only the first counts", Ucm("a\r\nb\r\n"), true, {"probe", "activity:a"}},
  });
  CheckCommandLines<TProbe<TClearCaseUCMAction, &TClearCaseUCMAction::AddActivitySelectors>>({
      {"current activity", Ucm("a\r\n", true), true, {"probe", "-cact"}},
      {"joined without the VOB", Ucm("a\r\nb@/vobs/pvob\r\n", false, "/vobs/pvob"), true,
       {"probe", "activity:a,activity:b@/vobs/pvob"}},
      {"a selector expanding to two lines", Ucm("%TWO%\r\nc\r\n"), true,
       {"probe", "activity:x,activity:y,activity:c"}},
      {"expands to nothing", Ucm("%NOTHING%\r\n"), true, {"probe", "activity:"}},
      {"a selector with a blank", Ucm("a b\r\n"), true, {"probe", "\"activity:a b\""}},
      {"a name set replaces the list",
       [](auto& a) { Ucm("a\r\nb\r\n")(a); a.SetActivityName("c"); }, true, {"probe", "activity:c"}},
  });
  CheckCommandLines<TProbe<TClearCaseUCMAction, &TClearCaseUCMAction::AddComponentSelector>>({
      {"components are neither expanded nor prefixed",
       [](auto& a) { a.SetComponentSelectorStorageString("%VAR% x\r\n"); }, true,
       {"probe", "\"%VAR% x\""}},
  });
  // clang-format on
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
  TProbe<> action;
  action.SetPathNameStorageString("src/a.c@@/main/2\nsrc/b c.c\r\n\r\nx@@\rdir/y");
  EXPECT_EQ(action.ViewPathNames(), (List{"src/b c.c", "", "dir/y"}));
  EXPECT_EQ(action.ExtendedPathNames(), (List{"src/a.c@@/main/2", "x@@"}));
  EXPECT_EQ(action.GetPathNameStorageString(),
            "src/b c.c\r\n\r\ndir/y\r\nsrc/a.c@@/main/2\r\nx@@\r\n");

  action.SetObjectsStorageString("lbtype:REL@/vobs/src\r\n brtype:dev \r\nvob:/vobs/src");
  EXPECT_EQ(action.ObjectSelectors(),
            (List{"lbtype:REL@/vobs/src", " brtype:dev ", "vob:/vobs/src"}));
  EXPECT_EQ(action.GetObjectsStorageString(),
            "lbtype:REL@/vobs/src\r\n brtype:dev \r\nvob:/vobs/src\r\n");
}

}  // namespace
