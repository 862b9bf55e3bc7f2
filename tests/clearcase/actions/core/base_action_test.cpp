#include "clearcase/actions/core/base_action.h"

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <utility>

#include "package_fixture.h"
#include "vycore/filesystem.h"
#include "vycore/run.h"

namespace {

using Args = std::vector<std::string>;

// Exposes each shared operation on its own.
class TProbeAction : public clearcase::TClearCaseBaseAction {
 public:
  std::string GetActionName() const override { return "Probe"; }
  std::string GetCommand() const override { return "probe"; }
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override {
    const bool base = TClearCaseBaseAction::GetCommandLine(builder);
    if (!operation) return base;
    return (this->*operation)(builder) && base;
  }
  bool (TClearCaseBaseAction::*operation)(vy::ICommandLineBuilder&) = nullptr;

  const vy::TPropertyList& PublishedProperties() const override {
    using T = TProbeAction;
    static const vy::TPropertyList list =
        vy::Publish<T>()
            .Boolean("NoComment", &T::GetNoComment, &T::SetNoComment)
            .String("Comment", &T::GetComment, &T::SetComment);
    return list;
  }
};

class BaseAction : public cctest::TPackageTest {
 protected:
  void Probe(TProbeAction& action,
             bool (clearcase::TClearCaseBaseAction::*op)(vy::ICommandLineBuilder&)) {
    action.SetViewContextPath(view_);
    action.operation = op;
  }
};

struct ViewCase {
  const char* name;
  bool useDefault;
  const char* viewPath;     // "VIEW": the test's view, "MISSING": a folder that is not there
  const char* defaultView;  // same
  const char* pathNames;
  const char* objects;
  bool ok;
  const char* startIn;  // "VIEW", "BIN" (the cleartool folder) or ""
  const char* error;
};

class ViewContext : public BaseAction, public testing::WithParamInterface<ViewCase> {
 protected:
  std::string Resolve(const char* marker) {
    const std::string m = marker;
    if (m == "VIEW") return view_;
    if (m == "MISSING") return Path("missing");
    if (m == "BIN") return Path("bin");
    return m;
  }
};

constexpr const char* kViewError =
    "Error: The View Context Path you have specified is invalid or does not exist.";
constexpr const char* kDefaultError =
    "Error: The Default View you have specified is invalid or does not exist. To rectify go to "
    "Tools->Options.";

TEST_P(ViewContext, DecidesWhereCleartoolRuns) {
  const auto& c = GetParam();
  TProbeAction action;
  action.SetUseDefaultViewContext(c.useDefault);
  action.SetViewContextPath(Resolve(c.viewPath));
  Options().SetDefaultViewPath(Resolve(c.defaultView));
  action.SetPathNameStorageString(c.pathNames);
  action.SetObjectsStorageString(c.objects);
  const auto built = Build(action);
  EXPECT_EQ(built.ok, c.ok);
  EXPECT_EQ(action.ResolvedStartingDir(), Resolve(c.startIn));
  // An expansion failure is reported by the host first; the base's own message comes last.
  EXPECT_EQ(built.errors.empty() ? "" : built.errors.back(), c.error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ViewContext,
    testing::Values(
        ViewCase{"OwnView", false, "VIEW", "", "a.c", "", true, "VIEW", ""},
        ViewCase{"OwnViewMissing", false, "MISSING", "", "a.c", "", false, "", kViewError},
        ViewCase{"DefaultView", true, "", "VIEW", "x@@/main/1", "", true, "VIEW", ""},
        ViewCase{"DefaultMissing", true, "VIEW", "MISSING", "a.c", "", false, "", kDefaultError},
        ViewCase{"NoViewViewPathsOnly", false, "", "", "a.c\r\nb.c", "", true, "BIN", ""},
        ViewCase{"NoViewExtendedOnly", false, "", "", "a.c@@/main/1", "", false, "", kViewError},
        ViewCase{"NoViewMixedPaths", false, "", "", "a.c\r\nb@@", "", false, "", kViewError},
        ViewCase{"NoViewObjects", false, "", "", "b@@", "lbtype:L", true, "BIN", ""},
        ViewCase{"EmptyDefaultViewPaths", true, "VIEW", "", "a.c", "", true, "BIN", ""},
        ViewCase{"EmptyDefaultNothing", true, "", "", "", "", false, "", kDefaultError},
        ViewCase{"ExpandedViewPath", false, "%V%", "", "", "", false, "", kViewError}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BaseAction, CleartoolPathProblemsStopBeforeTheSubcommand) {
  TProbeAction action;
  action.SetViewContextPath(view_);
  Options().SetClearToolPath(Path("bin/nothing-here"));
  auto built = Build(action);
  EXPECT_FALSE(built.ok);
  EXPECT_TRUE(built.arguments.empty());
  EXPECT_EQ(built.errors, Args{"Cleartool.exe cannot be found at the path specified. Please check "
                               "under Tools -> Options."});

  ::setenv("PATH", MakeDir("empty-path").c_str(), 1);
  Options().SetClearToolPath("");
  built = Build(action);
  EXPECT_EQ(built.errors, Args{"The path to cleartool.exe has not been specified. Please check "
                               "under Tools -> Options."});
}

TEST_F(BaseAction, ValidateReportsTheCleartoolPathUnderOptions) {
  struct TSink : vy::IVyActionValidationError {
    void AddError(const std::string& property, const std::string& message,
                  const vy::TVyPersistent* related) override {
      errors.push_back(property + ": " + message);
      relatedIsOptions = related == static_cast<const vy::TVyPersistent*>(
                                        clearcase::ClearCaseOptions()->GetImplementation());
    }
    Args errors;
    bool relatedIsOptions = false;
  };
  TProbeAction action;
  TSink ok;
  EXPECT_TRUE(action.Validate(ok));
  EXPECT_TRUE(ok.errors.empty());

  Options().SetClearToolPath(Path("bin/gone"));
  TSink missing;
  EXPECT_FALSE(action.Validate(missing));
  EXPECT_EQ(missing.errors, Args{"Options: Cleartool.exe cannot be found at the path specified."});
  EXPECT_TRUE(missing.relatedIsOptions);

  ::setenv("PATH", MakeDir("empty-path").c_str(), 1);
  Options().SetClearToolPath("");
  TSink empty;
  EXPECT_FALSE(action.Validate(empty));
  EXPECT_EQ(empty.errors, Args{"Options: The path to cleartool.exe has not been specified."});
}

TEST_F(BaseAction, CleartoolFolderFindsTheProgram) {
  Options().SetClearToolPath(Path("bin"));
  TProbeAction action;
  action.SetViewContextPath(view_);
  EXPECT_EQ(action.GetExecutable(), cleartool_);
  EXPECT_TRUE(Build(action).ok);
}

struct CommentCase {
  const char* comment;
  bool noComment;
  Args arguments;
};

class Comment : public BaseAction, public testing::WithParamInterface<CommentCase> {};

TEST_P(Comment, IsQuotedUnescapedOrNc) {
  TProbeAction action;
  Probe(action, &clearcase::TClearCaseBaseAction::AddComment);
  action.SetComment(GetParam().comment);
  action.SetNoComment(GetParam().noComment);
  action.SetVariable("WHO", "ci bot");
  action.SetVariable("NOTHING", "");
  EXPECT_EQ(Build(action).arguments, GetParam().arguments);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Comment,
    testing::Values(CommentCase{"", false, {"probe", "-nc"}},
                    CommentCase{"text", true, {"probe", "-nc"}},
                    CommentCase{"say \"hi\"", false, {"probe", "-c \"say \"hi\"\""}},
                    CommentCase{"by %WHO%", false, {"probe", "-c \"by ci bot\""}},
                    CommentCase{"  padded  ", false, {"probe", "-c \"  padded  \""}},
                    CommentCase{"%NOTHING%", false, {"probe", "-nc"}},
                    CommentCase{"%NOPE%", false, {"probe"}}));

TEST_F(BaseAction, AnEmptyCommentIsStoredAsNoComment) {
  TProbeAction saved;
  EXPECT_EQ(*vy::GetPropertyText(saved, "NoComment"), "true");
  saved.SetComment("x");
  EXPECT_EQ(*vy::GetPropertyText(saved, "NoComment"), "false");

  saved.SetComment("");
  TProbeAction loaded;
  for (const auto& property : saved.PublishedProperties().Items()) {
    ASSERT_TRUE(
        vy::SetPropertyText(loaded, property.name, *vy::GetPropertyText(saved, property.name)));
  }
  loaded.SetComment("typed later");
  EXPECT_TRUE(loaded.GetNoComment());
  Probe(loaded, &clearcase::TClearCaseBaseAction::AddComment);
  EXPECT_EQ(Build(loaded).arguments, (Args{"probe", "-nc"}));
}

TEST_F(BaseAction, PathNamesAreAlwaysQuotedAndExpanded) {
  TProbeAction action;
  Probe(action, &clearcase::TClearCaseBaseAction::AddPathNames);
  action.SetVariable("DIR", "src");
  action.SetPathNameStorageString("%DIR%/a.c@@/main/1\r\n%DIR%/b c.c\r\n\r\n");
  EXPECT_EQ(Build(action).arguments,
            (Args{"probe", "\"src/b c.c\"", "\"\"", "\"src/a.c@@/main/1\""}));

  action.SetPathNameStorageString("");
  const auto built = Build(action);
  EXPECT_FALSE(built.ok);
  EXPECT_EQ(built.errors, Args{"Action Failed: No pathnames specified to act on."});

  action.SetPathNameStorageString("%NOPE%/x");
  EXPECT_FALSE(Build(action).ok);
}

TEST_F(BaseAction, ObjectSelectorsAreQuotedOnlyWithASpace) {
  TProbeAction action;
  Probe(action, &clearcase::TClearCaseBaseAction::AddObjectSelectors);
  action.SetObjectsStorageString("lbtype:REL@/vobs/src\r\nlbtype:MY LABEL@/vobs/src");
  EXPECT_EQ(Build(action).arguments,
            (Args{"probe", "lbtype:REL@/vobs/src", "\"lbtype:MY LABEL@/vobs/src\""}));

  action.SetObjectsStorageString("");
  EXPECT_EQ(Build(action).errors, Args{"Action Failed: No object selectors have been specified."});
}

struct LabelCase {
  const char* name;
  const char* vob;
  const char* argument;
};

class LabelType : public BaseAction, public testing::WithParamInterface<LabelCase> {};

TEST_P(LabelType, QuoteFollowsTheColon) {
  TProbeAction action;
  Probe(action, &clearcase::TClearCaseBaseAction::AddLabelTypeName);
  action.SetLabelTypeName(GetParam().name);
  action.SetVOBSelector(GetParam().vob);
  action.SetVariable("REL", "REL_2");
  EXPECT_EQ(Build(action).arguments, (Args{"probe", GetParam().argument}));
}

INSTANTIATE_TEST_SUITE_P(Cases, LabelType,
                         testing::Values(LabelCase{"REL_1", "", "lbtype:REL_1"},
                                         LabelCase{"%REL%", "/vobs/src", "lbtype:REL_2@/vobs/src"},
                                         LabelCase{"MY LABEL", "/vobs/src",
                                                   "lbtype:\"MY LABEL@/vobs/src\""}));

TEST_F(BaseAction, VersionSelectorOnlyWhenUsedAndSet) {
  TProbeAction action;
  Probe(action, &clearcase::TClearCaseBaseAction::AddVersionSelector);
  action.SetUseVersionSelector(true);
  EXPECT_EQ(Build(action).arguments, Args{"probe"});
  action.SetVersionSelector("/main/LATEST");
  EXPECT_EQ(Build(action).arguments, (Args{"probe", "-version /main/LATEST"}));
  action.SetUseVersionSelector(false);
  EXPECT_EQ(Build(action).arguments, Args{"probe"});
}

TEST_F(BaseAction, BeforeExecuteLogsStartingDirectoryAndCommandLine) {
  TProbeAction action;
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

// Answers as the disk did before the view folder went away: every check of a
// run passes, as they do when the folder is removed just after them.
class TStaleFileSystem final : public vy::IFileSystem {
 public:
  explicit TStaleFileSystem(std::string gone) : gone_(std::move(gone)) {}
  bool FileExists(const std::string& path) const override { return real_.FileExists(path); }
  bool DirectoryExists(const std::string& path) const override {
    return path == gone_ || real_.DirectoryExists(path);
  }

 private:
  std::string gone_;
  vy::IFileSystem& real_ = vy::FileSystem();
};

TEST_F(BaseAction, AViewRemovedAfterTheChecksFailsTheStartInWords) {
  TProbeAction action;
  action.SetViewContextPath(view_);
  TStaleFileSystem stale(view_);
  vy::SetFileSystem(&stale);
  vy::SetProcessRunner(nullptr);  // the real start, which must meet the missing folder
  std::filesystem::remove(view_);

  const vy::TVyRunResult result = vy::RunAction(action, {});
  vy::SetFileSystem(nullptr);

  EXPECT_FALSE(result.succeeded);
  EXPECT_FALSE(result.started);
  EXPECT_EQ(result.reason,
            "cleartool could not be started: the working directory " + view_ + " does not exist");
}

}  // namespace
