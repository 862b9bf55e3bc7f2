#include "vycore/project.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "test_action.h"
#include "test_support.h"
#include "vycore/services.h"

namespace {

using vytest::TTestAction;

class Project : public testing::Test {
 protected:
  void SetUp() override {
    vy::ResetVyServicesForTesting();
    vy::VyActionServices().RegisterAction(
        "Test", "Tests", vy::ActionClass<TTestAction>("TTestAction"), "TEST_ACTION");
    const vy::TVyActionClass throwing{"TThrowing", []() -> std::unique_ptr<vy::TCustomVyAction> {
                                        throw std::runtime_error("no");
                                      }};
    vy::VyActionServices().RegisterAction("Throwing", "Tests", throwing, "THROWING_ACTION");
  }
  void TearDown() override { vy::ResetVyServicesForTesting(); }

  const TTestAction& ActionAt(std::size_t i) const {
    return static_cast<const TTestAction&>(*project_.actions.at(i).action);
  }

  vy::TVyProject project_;
  std::vector<vy::TVyDiagnostic> diagnostics_;
};

// People write and review projects by hand: every property in declaration
// order, Booleans as words, enumerations by their names, line ends as
// character references. What is saved loads back to every character: saved
// again, it is the same text.
TEST_F(Project, SavesTheShapePeopleEditAndLoadsEveryCharacterBack) {
  const std::string tricky = " \"'<&>\t\r\r\n\n東 ";
  vy::TVyProject project;
  project.variables = {{"LABEL", "REL_1"}, {"Multi", tricky}};
  auto action = std::make_unique<TTestAction>();
  action->text = tricky;
  action->flag = true;
  action->count = -7;
  action->colour = vytest::clBlue;
  project.actions.push_back({"TEST_ACTION", "\"Desc\"\r\n", false, std::move(action)});
  vytest::TTempDir dir;
  std::string error;
  ASSERT_TRUE(vy::SaveProject(dir.File("p.vyp"), project, &error)) << error;
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"p.vyp"}));  // no temporary left
  EXPECT_EQ(vytest::ReadAll(dir.File("p.vyp")), R"(<?xml version="1.0" encoding="UTF-8"?>
<VantryProject version="1">
  <Variables>
    <Variable name="LABEL" value="REL_1"/>
    <Variable name="Multi" value=" &quot;'&lt;&amp;&gt;&#9;&#13;&#13;&#10;&#10;東 "/>
  </Variables>
  <Actions>
    <Action type="TEST_ACTION" description="&quot;Desc&quot;&#13;&#10;" enabled="false">
      <Property name="Text" value=" &quot;'&lt;&amp;&gt;&#9;&#13;&#13;&#10;&#10;東 "/>
      <Property name="Flag" value="true"/>
      <Property name="Count" value="-7"/>
      <Property name="Colour" value="clBlue"/>
    </Action>
  </Actions>
</VantryProject>
)");

  ASSERT_TRUE(vy::LoadProject(dir.File("p.vyp"), project_, diagnostics_));
  EXPECT_TRUE(diagnostics_.empty());
  EXPECT_EQ(vy::ProjectToText(project_), vytest::ReadAll(dir.File("p.vyp")));
}

// Names are matched in any letter case.
TEST_F(Project, ReadsAHandWrittenFile) {
  ASSERT_TRUE(vy::LoadProjectText(R"(<?xml version="1.0" encoding="UTF-8"?>
<VantryProject version="1">
  <Actions>
    <Action type="test_action" description="Check out the sources">
      <Property name="flag" value="TRUE"/>
      <Property name="Colour" value="clgreen"/>
    </Action>
    <Action type="Test_Action" enabled="False"/>
  </Actions>
</VantryProject>
)",
                                  "p.vyp", project_, diagnostics_));
  EXPECT_TRUE(diagnostics_.empty());
  ASSERT_EQ(project_.actions.size(), 2u);
  EXPECT_EQ(project_.actions[0].typeId, "TEST_ACTION");  // as registered
  EXPECT_TRUE(project_.actions[0].enabled);
  EXPECT_TRUE(ActionAt(0).flag);
  EXPECT_EQ(ActionAt(0).colour, vytest::clGreen);
  EXPECT_FALSE(project_.actions[1].enabled);
}

// Lines are counted the same in files with Windows line ends.
TEST_F(Project, ALoadErrorNamesFileAndLineAndLoadsNothing) {
  const std::string head =
      "<VantryProject version=\"1\">\n<Variables><Variable name=\"V\" value=\"1\"/></Variables>\n"
      "<Actions>\n<Action type=\"TEST_ACTION\"/>\n";
  const struct {
    std::string xml;
    int line;
    std::string message;  // part of the error
  } cases[] = {
      {"<Project/>", 1, "root element must be <VantryProject>"},
      {"\n<VantryProject version=\"2\"/>", 2, "unsupported project version \"2\""},
      // The unclosed element's line, not that of the end tag where it shows.
      {head + "<Action><!-- <x> --><Property name=\"a>b\"/>\n</Actions>", 5, "mismatch"},
      {head + "<Action>\n<Property></Property>\n", 5, "mismatch"},
      {head + "<Action type=\"TEST_ACTION\">\n<Property name=\"Retired\" value=\"x\"/>\n"
              "</Action></Actions></VantryProject>",
       6, "TEST_ACTION has no property \"Retired\"; \"vantry actions TEST_ACTION\" lists them"},
      {head + "<Action type=\"CC_NOPE\"/>\n</Actions></VantryProject>", 5,
       "unknown action type \"CC_NOPE\"; known types: TEST_ACTION, THROWING_ACTION"},
      {head + "<Action type=\"THROWING_ACTION\"/>\n</Actions></VantryProject>", 5,
       "the action of type \"THROWING_ACTION\" could not be created"},
      {head + "<Action type=\"TEST_ACTION\" description=\"a\r\nb\">\r\n"
              "<Property name=\"Colour\" value=\"clPink\"/></Action></Actions></VantryProject>",
       7, "\"clPink\" is not one of clRed, clGreen, clBlue"},
      {head + "<Action type=\"TEST_ACTION\" enabled=\"maybe\"/></Actions></VantryProject>", 5,
       "enabled: \"maybe\" is not a Boolean"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    diagnostics_.clear();
    EXPECT_FALSE(vy::LoadProjectText(c.xml, "p.vyp", project_, diagnostics_));
    EXPECT_TRUE(project_.actions.empty());
    EXPECT_TRUE(project_.variables.empty());
    const auto error = std::find_if(diagnostics_.begin(), diagnostics_.end(), [](const auto& d) {
      return d.severity == vy::TVyDiagnostic::Error;
    });
    ASSERT_NE(error, diagnostics_.end());
    EXPECT_EQ(error->file, "p.vyp");
    EXPECT_EQ(error->line, c.line) << error->ToString();
    EXPECT_NE(error->message.find(c.message), std::string::npos) << error->message;
  }
}

}  // namespace
