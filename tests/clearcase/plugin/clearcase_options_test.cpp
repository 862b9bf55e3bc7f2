#include "clearcase/plugin/clearcase_options.h"

#include <stdlib.h>

#include <filesystem>
#include <map>

#include "clearcase/plugin/cleartool_discovery.h"
#include "package_fixture.h"
#include "vycore/options_store.h"
#include "vycore/platform.h"
#include "vycore/services.h"

namespace {

using clearcase::TVyClearCaseOptions;

// An in-memory store for one options key.
struct TMemoryStore : vy::IVyOptionsReader, vy::IVyOptionsWriter {
  std::string ReadString(const std::string& k, const std::string& d) override {
    return values.count(k) ? values[k] : d;
  }
  std::int32_t ReadInteger(const std::string& k, std::int32_t d) override {
    return values.count(k) ? std::stoi(values[k]) : d;
  }
  bool ReadBoolean(const std::string& k, bool d) override {
    return values.count(k) ? values[k] == "true" : d;
  }
  void WriteString(const std::string& k, const std::string& v) override { values[k] = v; }
  void WriteInteger(const std::string& k, std::int32_t v) override {
    values[k] = std::to_string(v);
  }
  void WriteBoolean(const std::string& k, bool v) override { values[k] = v ? "true" : "false"; }
  std::map<std::string, std::string> values;
};

// Discovery must not find a cleartool of the machine running the tests.
class OptionsTest : public cctest::TPackageTest {
 protected:
  void SetUp() override {
    TPackageTest::SetUp();
    ::setenv("PATH", MakeDir("empty").c_str(), 1);
  }
};

struct InstallationCase {
  const char* stored;  // nullptr: absent
  bool test;
  clearcase::TClearCaseType type;
};

class Installation : public OptionsTest, public testing::WithParamInterface<InstallationCase> {};

TEST_P(Installation, TypeAndDetectionFollowTheStoredText) {
  TVyClearCaseOptions options;
  options.SetClearCaseType(clearcase::ccLT);
  TMemoryStore store;
  if (GetParam().stored) store.values["InstallationType"] = GetParam().stored;
  options.LoadOptions(store);
  EXPECT_EQ(options.GetTestForClearCaseType(), GetParam().test);
  options.SetTestForClearCaseType(false);
  EXPECT_EQ(options.GetClearCaseType(), GetParam().type);
}

INSTANTIATE_TEST_SUITE_P(Texts, Installation,
                         testing::Values(InstallationCase{nullptr, true, clearcase::ccLT},
                                         InstallationCase{"Auto", true, clearcase::ccLT},
                                         InstallationCase{"ClearCase", false, clearcase::ccFull},
                                         InstallationCase{"ClearCaseLT", false, clearcase::ccLT},
                                         InstallationCase{"clearcase", false, clearcase::ccLT},
                                         InstallationCase{"auto", false, clearcase::ccLT}));

TEST_F(OptionsTest, SaveWritesTheStoredPathAndTheInstallationType) {
  struct Case {
    bool test;
    clearcase::TClearCaseType type;
    const char* written;  // nullptr: not written
  };
  for (const auto& c :
       {Case{true, clearcase::ccFull, "Auto"}, Case{false, clearcase::ccFull, "ClearCase"},
        Case{false, clearcase::ccLT, "ClearCaseLT"}, Case{false, clearcase::ccUnknown, nullptr}}) {
    TVyClearCaseOptions options;
    options.SetClearToolPath(Path("bin"));
    options.SetTestForClearCaseType(c.test);
    options.SetClearCaseType(c.type);
    TMemoryStore store;
    options.SaveOptions(store);
    EXPECT_EQ(store.values["CleartoolPath"], Path("bin"));  // not the computed program path
    EXPECT_EQ(store.values.count("InstallationType"), c.written ? 1u : 0u);
    if (c.written) {
      EXPECT_EQ(store.values["InstallationType"], c.written);
    }
  }
}

TEST_F(OptionsTest, DiscoveryAtLoadDoesNotMarkModifiedButLaterDiscoveryDoes) {
  const auto folder = MakeDir("tools");
  ::setenv("PATH", (Path("empty") + vy::kPathListSeparator + folder).c_str(), 1);
  MakeFile("tools/cleartool");
  TVyClearCaseOptions found;
  TMemoryStore store;
  found.LoadOptions(store);
  EXPECT_EQ(found.StoredCleartoolPath(), folder + "/cleartool");
  EXPECT_FALSE(found.GetModified());

  ::setenv("PATH", Path("empty").c_str(), 1);
  TVyClearCaseOptions later;
  later.LoadOptions(store);
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
  std::filesystem::current_path(MakeDir("work"));
  EXPECT_EQ(clearcase::defaultClearToolPath(), Path("second/cleartool"));
  MakeFile("work/cleartool");
  EXPECT_EQ(clearcase::defaultClearToolPath(), Path("work/cleartool"));  // named absolutely
}

TEST_F(OptionsTest, RoundTripsThroughTheStoreFile) {
  Options().SetDefaultViewPath(view_);
  Options().SetTestForClearCaseType(false);
  Options().SetClearCaseType(clearcase::ccLT);
  Options().SetDesignTimeout(750);
  Options().SetDesignListLocal(true);
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
  EXPECT_EQ(Options().StoredCleartoolPath(), cleartool_);
  EXPECT_EQ(Options().GetDefaultViewPath(), view_);
  EXPECT_FALSE(Options().GetTestForClearCaseType());
  EXPECT_EQ(Options().GetClearCaseType(), clearcase::ccLT);
  EXPECT_EQ(Options().GetDesignTimeout(), 750);
  EXPECT_TRUE(Options().GetDesignListLocal());
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

TEST_F(OptionsTest, ScriptAccessReadsAndWritesPublishedProperties) {
  auto value = vy::VyScriptingServices().Call("ClearCaseOptions");
  ASSERT_NE(value, nullptr);
  auto& object = *value->Object();
  EXPECT_EQ(*vy::GetPropertyText(object, "CleartoolPath"), cleartool_);
  ASSERT_TRUE(vy::SetPropertyText(object, "ClearCaseType", "ccFull"));
  EXPECT_EQ(Options().GetClearCaseType(), clearcase::ccFull);
  EXPECT_FALSE(vy::SetPropertyText(object, "DesignTimeout", "soon"));
  EXPECT_NE(vy::VyScriptingServices().FindEnumeration("TClearCaseType"), nullptr);
}

}  // namespace
