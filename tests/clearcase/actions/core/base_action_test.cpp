#include "clearcase/actions/core/base_action.h"

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

TEST_F(BaseAction, CommentIsQuotedUnescapedOrNcAndStoredAsNoComment) {
  CheckCommandLines<TProbeAction<&clearcase::TClearCaseBaseAction::AddComment>>({
      {"no comment", With({}), true, {"probe", "-nc"}},
      {"loaded NoComment wins", With({"NoComment", "Comment=typed later"}), true, {"probe", "-nc"}},
      {"quotes not escaped", With({"Comment=say \"hi\""}), true, {"probe", "-c \"say \"hi\"\""}},
      {"expanded", With({"Comment=by %VAR%"}), true, {"probe", "-c \"by value\""}},
      {"expanded to nothing", With({"Comment=%NOTHING%"}), true, {"probe", "-nc"}},
      {"cannot be expanded", With({"Comment=%NOPE%"}), false, {"probe"}, "cannot expand Comment"},
  });
  // An empty comment is saved as NoComment, which the row above loads.
  TProbeAction<> action;
  EXPECT_EQ(*vy::GetPropertyText(action, "NoComment"), "true");
  action.SetComment("x");
  EXPECT_EQ(*vy::GetPropertyText(action, "NoComment"), "false");
}

TEST_F(BaseAction, OperandsAndSelectors) {
  using Base = clearcase::TClearCaseBaseAction;
  CheckCommandLines<TProbeAction<&Base::AddPathNames>>({
      {"path names: view names first, always quoted and expanded",
       With({"PathNameStorageString=%VAR%/a.c@@/main/1\r\n%VAR%/b c.c\r\n\r\n"}),
       true,
       {"probe", "\"value/b c.c\"", "\"\"", "\"value/a.c@@/main/1\""}},
      {"not expanded", With({"PathNameStorageString=%NOPE%/x"}), false, {"probe"}, "cannot expand"},
  });
  CheckCommandLines<TProbeAction<&Base::AddObjectSelectors>>({
      {"object selectors are quoted only with a blank",
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
