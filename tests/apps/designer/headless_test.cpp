// The runner, the host library and the package must run on a build server
// without any GUI library: none of them may need Qt, directly or through a
// dependency.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string Output(const std::string& command) {
  std::string text;
  if (FILE* pipe = popen((command + " 2>&1").c_str(), "r")) {
    char buffer[4096];
    while (std::size_t read = std::fread(buffer, 1, sizeof buffer, pipe)) text.append(buffer, read);
    pclose(pipe);
  }
  return text;
}

TEST(Headless, TheRunnerAndThePackageNeedNoQt) {
  const std::string files[] = {VANTRY_EXE, VANTRY_LIBRARY_DIR "/libvycore.so",
                               VANTRY_PLUGIN_FOLDER "/libclearcase.so"};
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    const std::string needed = Output("readelf -d '" + file + "'");
    ASSERT_THAT(needed, ::testing::HasSubstr("(NEEDED)"));  // the tool ran and read the file
    EXPECT_THAT(needed, ::testing::Not(::testing::HasSubstr("libQt")));
    const std::string loaded = Output("ldd '" + file + "'");
    ASSERT_THAT(loaded, ::testing::HasSubstr("libc.so"));
    EXPECT_THAT(loaded, ::testing::Not(::testing::HasSubstr("libQt")));
  }
  // The check itself works: the pages do need Qt.
  EXPECT_THAT(Output("readelf -d '" VANTRY_PAGES_FOLDER "/libclearcase_editors.so'"),
              ::testing::HasSubstr("libQt6Widgets"));
}

}  // namespace
