#include "clearcase/plugin/clearcase_options.h"

#include <stdlib.h>

#include <filesystem>

#include "clearcase/plugin/cleartool_discovery.h"
#include "clearcase/plugin/last_view_directory.h"
#include "package_fixture.h"
#include "vycore/ini.h"
#include "vycore/options_store.h"
#include "vycore/platform.h"
#include "vycore/services.h"

namespace {

using clearcase::TVyClearCaseOptions;

using OptionsTest = cctest::TPackageTest;

// Loading tells "ClearCaseLT" from the full type, case-sensitively; a type
// saved earlier does not outlive a save that writes none, so that loading
// turns detection on again.
TEST_F(OptionsTest, InstallationTypeThroughTheStore) {
  struct Load {
    const char* stored;  // nullptr: absent
    bool test;
    clearcase::TClearCaseType type;
  } loads[] = {{nullptr, true, clearcase::ccLT},
               {"Auto", true, clearcase::ccLT},
               {"ClearCase", false, clearcase::ccFull},
               {"clearcase", false, clearcase::ccLT}};
  for (const Load& row : loads) {
    TVyClearCaseOptions options;
    options.SetClearCaseType(clearcase::ccLT);
    vy::TVyOptionsStore store;
    if (row.stored) store.Writer("k")->WriteString("InstallationType", row.stored);
    options.LoadOptions(*store.Reader("k"));
    EXPECT_EQ(options.GetTestForClearCaseType(), row.test) << row.stored;
    options.SetTestForClearCaseType(false);
    EXPECT_EQ(options.GetClearCaseType(), row.type) << row.stored;
  }
  const Load saves[] = {{"Auto", true, clearcase::ccFull},
                        {"ClearCaseLT", false, clearcase::ccLT},
                        {nullptr, false, clearcase::ccUnknown}};
  vy::TVyOptionsStore store;
  for (const Load& row : saves) {
    TVyClearCaseOptions options;
    options.SetTestForClearCaseType(row.test);
    options.SetClearCaseType(row.type);
    options.SaveOptions(*store.Writer("k"));
    EXPECT_EQ(store.Reader("k")->ReadString("InstallationType", "(absent)"),
              row.stored ? row.stored : "(absent)");
  }
  TVyClearCaseOptions reloaded;
  reloaded.LoadOptions(*store.Reader("k"));
  EXPECT_TRUE(reloaded.GetTestForClearCaseType());
}

TEST_F(OptionsTest, DiscoveryAtLoadDoesNotMarkModifiedButLaterDiscoveryDoes) {
  const auto folder = MakeDir("tools");
  ::setenv("PATH", (Path("empty") + vy::kPathListSeparator + folder).c_str(), 1);
  MakeFile("tools/cleartool");
  TVyClearCaseOptions found;
  vy::TVyOptionsStore store;
  found.LoadOptions(*store.Reader("k"));
  EXPECT_EQ(found.StoredCleartoolPath(), folder + "/cleartool");
  EXPECT_FALSE(found.GetModified());

  ::setenv("PATH", Path("empty").c_str(), 1);
  TVyClearCaseOptions later;
  later.LoadOptions(*store.Reader("k"));
  EXPECT_EQ(later.GetCleartoolPath(), "");
  ::setenv("PATH", folder.c_str(), 1);
  EXPECT_EQ(later.GetCleartoolPath(), folder + "/cleartool");
  EXPECT_TRUE(later.GetModified());
}

TEST_F(OptionsTest, DiscoveryTriesTheCurrentFolderThenPathInOrder) {
  MakeDir("first/cleartool");  // a folder of that name is not the program
  MakeFile("second/cleartool");
  MakeFile("third/cleartool");
  const std::string sep(1, vy::kPathListSeparator);
  // A missing folder and an empty entry are passed over.
  const std::string path =
      Path("absent") + sep + sep + Path("first") + sep + Path("second") + sep + Path("third");
  ::setenv("PATH", path.c_str(), 1);
  EXPECT_EQ(clearcase::DefaultClearToolPath(), Path("second/cleartool"));
  MakeFile("cleartool");  // in the current folder, which the fixture made the test's own
  EXPECT_EQ(clearcase::DefaultClearToolPath(), Path("cleartool"));  // named absolutely
}

// Saving writes the stored path (here a folder), not the program path
// computed from it; the other settings round-trip like any published property.
TEST_F(OptionsTest, SavesTheStoredCleartoolPath) {
  Options().SetClearToolPath(Path("bin"));
  vy::TVyOptionsStore store;
  std::string error;
  ASSERT_TRUE(store.Load(vy::TVyOptionsStore::DefaultPath(), &error)) << error;
  store.StoreModifiedOptions();
  ASSERT_TRUE(store.Save(&error)) << error;

  vy::ResetVyServicesForTesting();
  clearcase::RegisterOptions();
  vy::TVyOptionsStore reloaded;
  ASSERT_TRUE(reloaded.Load(vy::TVyOptionsStore::DefaultPath(), &error)) << error;
  reloaded.LoadRegisteredOptions();
  EXPECT_EQ(Options().StoredCleartoolPath(), Path("bin"));
  EXPECT_EQ(Options().GetCleartoolPath(), cleartool_);
  EXPECT_FALSE(Options().GetModified());
}

TEST_F(OptionsTest, ModifiedStateRules) {
  TVyClearCaseOptions options;
  options.SetClearToolPath("/a");
  options.SetModified(false);
  options.SetClearToolPath("/a");
  options.SetDefaultViewPath("");
  EXPECT_FALSE(options.GetModified());
  options.SetDefaultViewPath("/A");
  EXPECT_TRUE(options.GetModified());
  options.SetModified(false);
  options.SetClearCaseType(clearcase::ccUnknown);
  EXPECT_TRUE(options.GetModified());
}

TEST_F(OptionsTest, LastViewDirectoryFallsBackToTheDefaultView) {
  EXPECT_EQ(clearcase::CCGetLastViewDirectory(), "");
  Options().SetDefaultViewPath(view_);
  EXPECT_EQ(clearcase::CCGetLastViewDirectory(), view_);
  clearcase::CCSetLastViewDirectory("/views/mine");
  EXPECT_EQ(clearcase::CCGetLastViewDirectory(), "/views/mine");
  EXPECT_EQ(vy::IniReadString(vy::GetVyUserIniFileName(), "ClearCase", "LastViewDirectory", ""),
            "/views/mine");
}

}  // namespace
