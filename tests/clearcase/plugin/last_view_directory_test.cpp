#include "clearcase/plugin/last_view_directory.h"

#include "package_fixture.h"
#include "vycore/ini.h"
#include "vycore/services.h"

namespace {

using LastView = cctest::TPackageTest;

TEST_F(LastView, LastViewDirectoryFallsBackToTheDefaultView) {
  EXPECT_EQ(clearcase::CCGetLastViewDirectory(), "");
  Options().SetDefaultViewPath(view_);
  EXPECT_EQ(clearcase::CCGetLastViewDirectory(), view_);
  clearcase::CCSetLastViewDirectory("/views/mine");
  EXPECT_EQ(clearcase::CCGetLastViewDirectory(), "/views/mine");
  EXPECT_EQ(vy::IniReadString(vy::GetVyUserIniFileName(), "ClearCase", "LastViewDirectory", ""),
            "/views/mine");
}

TEST_F(LastView, SelectViewPathRemembersOnlyAcceptedChoices) {
  std::string startedAt = "unset";
  bool accept = true;
  vy::SetVyBrowsers(
      [&](const std::string& initial, std::string& chosen, const std::string& caption) {
        startedAt = initial;
        EXPECT_EQ(caption, "Select View");
        chosen = "/views/picked";
        return accept;
      },
      nullptr);
  EXPECT_EQ(clearcase::CCSelectViewPath("/start"), "/views/picked");
  EXPECT_EQ(startedAt, "/start");
  EXPECT_EQ(clearcase::CCGetLastViewDirectory(), "/views/picked");
  accept = false;
  EXPECT_EQ(clearcase::CCSelectViewPath(""), "");
  EXPECT_EQ(startedAt, "/views/picked");  // an empty initial folder starts at the last choice
  EXPECT_EQ(clearcase::CCSelectViewPath("/other"), "/other");
  EXPECT_EQ(clearcase::CCGetLastViewDirectory(), "/views/picked");
}

}  // namespace
