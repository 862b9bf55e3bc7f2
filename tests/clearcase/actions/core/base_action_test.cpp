#include "clearcase/actions/core/base_action.h"

#include <random>
#include <string>

#include "command_cases.h"

namespace {

using Args = std::vector<std::string>;
using cctest::With;

using TOperation = bool (clearcase::TClearCaseBaseAction::*)(vy::ICommandLineBuilder&);

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
            .String("LabelTypeName", &T::GetLabelTypeName, &T::SetLabelTypeName)
            .String("VOBSelector", &T::GetVOBSelector, &T::SetVOBSelector)
            .String("VersionSelector", &T::GetVersionSelector, &T::SetVersionSelector)
            .Boolean("UseVersionSelector", &T::GetUseVersionSelector, &T::SetUseVersionSelector);
    return list;
  }
};

class BaseAction : public cctest::ActionCommandTest {};

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
  Options().SetClearToolPath(Path("bin"));  // a folder: the program is looked up inside it
  EXPECT_EQ(action.GetExecutable(), cleartool_);
  EXPECT_TRUE(Build(action).ok);
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
  // How the argument is written still matters where a Part places the quotes.
  CheckCommandLines<TProbeAction<&Base::AddObjectSelectors>>({
      {"quoted only when needed",
       With({"ObjectsStorageString=lbtype:REL@/vobs/src\r\nlbtype:MY LABEL@/vobs/src"}),
       true,
       {"probe", "lbtype:REL@/vobs/src", "\"lbtype:MY LABEL@/vobs/src\""}},
  });
  CheckCommandLines<TProbeAction<&Base::AddLabelTypeName>>({
      {"label with a blank: the quote follows the colon",
       With({"LabelTypeName=MY LABEL", "VOBSelector=/vobs/src"}),
       true,
       {"probe", "lbtype:\"MY LABEL@/vobs/src\""}},
  });
  CheckCommandLines<TProbeAction<&Base::AddVersionSelector>>({
      {"version selector used but empty", With({"UseVersionSelector"}), true, {"probe"}},
      {"set but not used", With({"VersionSelector=/main/LATEST"}), true, {"probe"}},
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

TEST_F(BaseAction, BeforeExecuteLogsStartingDirectoryAndCommandLine) {
  TProbeAction<> action;
  action.SetViewContextPath(view_);
  auto builder = vy::CreateCommandLineBuilder();
  ASSERT_TRUE(action.GetCommandLine(*builder));
  builder->AddArgument("\"a b\"");
  action.ClearMessages();
  action.BeforeExecute(*builder);
  ASSERT_EQ(action.Messages().size(), 2u);
  EXPECT_EQ(action.Messages()[0].text, "Starting Directory: " + view_);
  EXPECT_EQ(action.Messages()[1].text, "Command Line: probe \"a b\"");
  EXPECT_EQ(action.Messages()[1].tag, vy::tsInformation);
}

}  // namespace
