// The stand-in's walkthrough, run as its page writes it, on a machine whose
// user has no options yet.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>

#include "support.h"

namespace vantry_test {
namespace {

using ::testing::HasSubstr;

// The first shell block after the heading.
std::string Walkthrough() {
  const std::string page = ReadAll(std::string(VANTRY_SOURCE_DIR) + "/docs/cleartool-stand-in.md");
  const std::size_t section = page.find("## Trying a build project without a ClearCase server");
  const std::size_t start = page.find("```sh\n", section);
  const std::size_t end = page.find("```\n", start + 6);
  if (section == std::string::npos || start == std::string::npos || end == std::string::npos) {
    return {};
  }
  return page.substr(start + 6, end - start - 6);
}

TEST(StandInWalkthroughTest, WorksAsWrittenOnAFreshMachine) {
  TSandbox sandbox;
  std::string script = Walkthrough();
  ASSERT_THAT(script, HasSubstr("cleartool sim-layout"));
  // This build instead of the one the page names, a sandbox instead of /tmp/world.
  const std::string bin = std::filesystem::path(VANTRY_EXE).parent_path().string();
  script = std::regex_replace(script, std::regex("\\$PWD/build/dev/bin"), bin);
  script = std::regex_replace(script, std::regex("/tmp/world"), sandbox.Path("world"));
  for (const char* name : {"VANTRY_OPTIONS", "VANTRY_PLUGIN_PATH", "CLEARTOOL_SIM_WORLD"}) {
    sandbox.UnsetEnv(name);
  }
  const TRunOutput output = sandbox.Shell(script, VANTRY_SOURCE_DIR);
  EXPECT_EQ(output.exitCode, 0) << output.out << output.err;
  EXPECT_THAT(output.out, HasSubstr("dev_alice_view           " + sandbox.Path("world/views/dev_view")));
  EXPECT_THAT(output.out, HasSubstr("Checked out \"src/a.c\" from version \"/main/2\".\n"));
  EXPECT_THAT(output.err, HasSubstr("\n1 succeeded ("));
  // The options went where a new user's go.
  EXPECT_TRUE(std::filesystem::exists(sandbox.Path("config/vantry/options.xml")));
}

}  // namespace
}  // namespace vantry_test
