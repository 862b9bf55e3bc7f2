#include "vycore/plugin.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"
#include "vycore/services.h"

namespace {

const std::string kPackageDir = VYCORE_TEST_PACKAGE_DIR;
const std::string kPackage = kPackageDir + "/libvycore_test_package.so";

class Plugin : public testing::Test {
 protected:
  void SetUp() override { vy::ResetVyServicesForTesting(); }
  void TearDown() override { vy::ResetVyServicesForTesting(); }
};

// A package's actions and pages reaching the host's services show in every
// run of the runner and in its "actions" command.
TEST_F(Plugin, LoadAllLoadsEachLibraryOnceAndReportsTheRest) {
  vytest::TTempDir empty;
  vytest::TTempDir links;  // the same package under another name
  std::filesystem::create_symlink(kPackage, links.File("libalias.so"));
  std::vector<std::string> errors;
  const int loaded = vy::LoadAllPackages(
      {empty.Path(), kPackageDir, "/no/such/dir", kPackageDir, links.Path()}, false, errors);
  EXPECT_EQ(loaded, 1);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0],
            kPackageDir + "/libvycore_test_not_a_package.so has no entry point VyRegister");

  std::string error;
  EXPECT_FALSE(vy::LoadPackage(kPackageDir + "/libnone.so", false, &error));
  EXPECT_EQ(error.rfind("cannot load " + kPackageDir + "/libnone.so: ", 0), 0u) << error;
}

TEST(PluginSearchPath, IsTheInstallFolderThenTheEnvironment) {
  vytest::TScopedEnv path("VANTRY_PLUGIN_PATH", "/a:/b::/c");
  const std::vector<std::string> search = vy::PackageSearchPath();
  ASSERT_EQ(search.size(), 4u);
  EXPECT_TRUE(search[0].ends_with("lib/vantry/plugins")) << search[0];
  EXPECT_EQ(std::vector<std::string>(search.begin() + 1, search.end()),
            (std::vector<std::string>{"/a", "/b", "/c"}));
}

}  // namespace
