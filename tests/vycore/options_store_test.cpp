#include "vycore/options_store.h"

#include <gtest/gtest.h>

#include "test_support.h"
#include "vycore/services.h"

namespace {

class TClearCaseLikeOptions : public vy::TVyOptionsObject {
 public:
  void LoadOptions(vy::IVyOptionsReader& reader) override {
    path = reader.ReadString("CleartoolPath", "/opt/default");
    timeout = reader.ReadInteger("DesignTimeout", 5000);
    local = reader.ReadBoolean("DesignListLocal", true);
  }
  void SaveOptions(vy::IVyOptionsWriter& writer) override {
    writer.WriteString("CleartoolPath", path);
    writer.WriteInteger("DesignTimeout", timeout);
    writer.WriteBoolean("DesignListLocal", local);
  }
  int GetOptionType() const override { return 0; }
  std::string GetName() const override { return "ClearCase"; }
  std::string GetCategory() const override { return "Source Control"; }
  std::string GetOptionKey() const override { return "ClearCase"; }

  std::string path;
  std::int32_t timeout = 0;
  bool local = false;
};

class OptionsStore : public testing::Test {
 protected:
  void SetUp() override {
    vy::ResetVyServicesForTesting();
    vy::VyOptionsServices().RegisterOptions(
        vy::OptionsClass<TClearCaseLikeOptions>("TClearCaseLikeOptions"), "CC_LOGO");
  }
  void TearDown() override { vy::ResetVyServicesForTesting(); }

  // Asked for in another letter case, as users and projects may spell it.
  static TClearCaseLikeOptions& Options() {
    return static_cast<TClearCaseLikeOptions&>(
        *vy::VyOptionsServices().FindOptions("source control", "CLEARCASE"));
  }

  vytest::TTempDir dir_;
  std::string path_ = dir_.File("options.xml");
};

// A value of the wrong kind reads as the default and, like a name no object
// asks for, is reported where it stands; of two blocks with one key the later
// wins; the file is left as it is. The whole-number warning is the runner's
// end-to-end case.
TEST_F(OptionsStore, UnreadableValuesAndStoresAreReportedWithTheirLine) {
  const std::string text = R"(<VantryOptions version="1">
<Options key="ClearCase">
<Value name="DesignListLocal">FALSE</Value>
<Value name="DesignTimeOut">8000</Value>
<Value name="CleartoolPath">/opt/ct</Value>
</Options>
<Options key="Other"><Value name="X">1</Value></Options>
<Options key="ClearCase"><Value name="DesignListLocal">maybe</Value></Options>
</VantryOptions>)";
  vytest::WriteAll(path_, text);
  vy::TVyOptionsStore store;
  std::string error;
  ASSERT_TRUE(store.Load(path_, &error)) << error;
  store.LoadRegisteredOptions();
  EXPECT_TRUE(Options().local);
  EXPECT_EQ(Options().path, "/opt/ct");
  EXPECT_EQ(store.Warnings(),
            (std::vector<std::string>{
                path_ + ":8: warning: ClearCase.DesignListLocal: \"maybe\" is not true or false; "
                        "true is used",
                path_ + ":4: warning: ClearCase has no option \"DesignTimeOut\"; it is kept but "
                        "not used",
                path_ + ":7: warning: no options object has the key \"Other\"; its values are "
                        "kept but not used"}));
  EXPECT_EQ(vytest::ReadAll(path_), text);

  // A store that cannot be read at all, cut short or holding a NUL, is
  // reported with its line and left alone, and the objects get their defaults.
  const std::string head = "<VantryOptions version=\"1\">\n<Options key=\"ClearCase\">\n";
  for (const auto& [unreadable, what] : std::vector<std::pair<std::string, std::string>>{
           {head + "<Value", ""},
           {head + "<Value name=\"CleartoolPath\">/opt/a&#x0;b</Value></Options></VantryOptions>",
            "NUL character"}}) {
    vytest::WriteAll(path_, unreadable);
    vy::TVyOptionsStore broken;
    EXPECT_FALSE(broken.Load(path_, &error));
    EXPECT_EQ(error.rfind(path_ + ":3: ", 0), 0u) << error;
    EXPECT_NE(error.find(what), std::string::npos) << error;
    broken.LoadRegisteredOptions();
    EXPECT_EQ(Options().path, "/opt/default");
    EXPECT_EQ(vytest::ReadAll(path_), unreadable);
  }
}

// A missing store is an empty one: every value is the default.
TEST_F(OptionsStore, StoresOnlyModifiedObjectsAndKeepsEveryCharacter) {
  const std::string tricky = "C:\\Program Files\\x\r\n\tline \"two\" <&> Grüße";
  vy::TVyOptionsStore store;
  ASSERT_TRUE(store.Load(path_, nullptr));
  Options().SetModified(true);
  store.LoadRegisteredOptions();
  EXPECT_EQ(Options().path, "/opt/default");
  EXPECT_EQ(Options().timeout, 5000);
  EXPECT_TRUE(Options().local);
  EXPECT_FALSE(Options().GetModified());
  EXPECT_TRUE(store.Warnings().empty());
  EXPECT_TRUE(dir_.Entries().empty());  // loading writes nothing

  Options().path = tricky;
  Options().timeout = -3;
  store.StoreModifiedOptions();
  EXPECT_EQ(store.Reader("ClearCase")->ReadString("CleartoolPath", "none"), "none");

  Options().SetModified(true);
  store.StoreModifiedOptions();
  EXPECT_FALSE(Options().GetModified());
  std::string error;
  ASSERT_TRUE(store.Save(&error)) << error;
  EXPECT_EQ(dir_.Entries(), (std::vector<std::string>{"options.xml"}));  // no temporary left

  const std::string text = vytest::ReadAll(path_);

  TearDown();
  SetUp();
  vy::TVyOptionsStore again;
  ASSERT_TRUE(again.Load(path_, &error)) << error;
  again.LoadRegisteredOptions();
  EXPECT_EQ(Options().path, tricky);
  EXPECT_EQ(Options().timeout, -3);
  ASSERT_TRUE(again.Save(&error, dir_.File("deep/er/options.xml"))) << error;  // makes the folder
  EXPECT_EQ(vytest::ReadAll(dir_.File("deep/er/options.xml")), text);
}

}  // namespace
