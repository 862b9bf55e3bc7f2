#include "vycore/project.h"

#include <gtest/gtest.h>
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
    vy::VyActionServices().RegisterAction("Other", "Tests", vy::ActionClass<TTestAction>("TOther"),
                                          "OTHER_ACTION");
    const vy::TVyActionClass throwing{"TThrowing", []() -> std::unique_ptr<vy::TCustomVyAction> {
                                        throw std::runtime_error("no");
                                      }};
    vy::VyActionServices().RegisterAction("Throwing", "Tests", throwing, "THROWING_ACTION");
  }
  void TearDown() override { vy::ResetVyServicesForTesting(); }

  static vy::TVyProjectAction MakeAction(const std::string& text, const std::string& secret) {
    auto action = std::make_unique<TTestAction>();
    action->text = text;
    action->secret = secret;
    action->flag = true;
    action->count = -7;
    action->colour = vytest::clBlue;
    return {"TEST_ACTION", "Desc \"quoted\" <&> \ttab\r\n", false, std::move(action)};
  }

  static const TTestAction& ActionAt(const vy::TVyProject& project, std::size_t i) {
    return static_cast<const TTestAction&>(*project.actions.at(i).action);
  }

  bool Load(const std::string& text) {
    diagnostics_.clear();
    return vy::LoadProjectText(text, "p.vyp", project_, diagnostics_);
  }

  vy::TVyProject project_;
  std::vector<vy::TVyDiagnostic> diagnostics_;
};

const std::string kTricky = "a.c\r\nb c.c\r\n\ttab \"q\" 'a' <x> & Grüße 東京 \r\r\n\n  ";

TEST_F(Project, RoundTripKeepsEveryCharacter) {
  vy::TVyProject project;
  project.variables = {{"LABEL", "REL_1"}, {"Multi", kTricky}};
  project.actions.push_back(MakeAction(kTricky, " lead and trail "));
  project.actions.push_back(MakeAction("", ""));
  vytest::TTempDir dir;
  std::string error;
  ASSERT_TRUE(vy::SaveProject(dir.File("p.vyp"), project, &error)) << error;

  const std::string text = vytest::ReadAll(dir.File("p.vyp"));
  EXPECT_EQ(text.find('\r'), std::string::npos);
  EXPECT_EQ(text.find('\t'), std::string::npos);
  EXPECT_NE(text.find("a.c&#13;&#10;b c.c"), std::string::npos);

  vy::TVyProject loaded;
  ASSERT_TRUE(vy::LoadProject(dir.File("p.vyp"), loaded, diagnostics_));
  EXPECT_TRUE(diagnostics_.empty());
  EXPECT_EQ(loaded.variables, project.variables);
  ASSERT_EQ(loaded.actions.size(), 2u);
  EXPECT_EQ(loaded.actions[0].description, project.actions[0].description);
  EXPECT_FALSE(loaded.actions[0].enabled);
  const TTestAction& first = ActionAt(loaded, 0);
  EXPECT_EQ(first.text, kTricky);
  EXPECT_EQ(first.secret, " lead and trail ");
  EXPECT_TRUE(first.flag);
  EXPECT_EQ(first.count, -7);
  EXPECT_EQ(first.colour, vytest::clBlue);
  EXPECT_EQ(vy::ProjectToText(loaded), text);
}

TEST_F(Project, WritesEveryPropertyByNameInDeclarationOrder) {
  vy::TVyProject project;
  project.actions.push_back({"TEST_ACTION", "d", true, std::make_unique<TTestAction>()});
  EXPECT_EQ(vy::ProjectToText(project),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<VantryProject version=\"1\">\n"
            "  <Variables>\n"
            "  </Variables>\n"
            "  <Actions>\n"
            "    <Action type=\"TEST_ACTION\" description=\"d\" enabled=\"true\">\n"
            "      <Property name=\"Text\" value=\"\"/>\n"
            "      <Property name=\"Flag\" value=\"false\"/>\n"
            "      <Property name=\"Count\" value=\"0\"/>\n"
            "      <Property name=\"Colour\" value=\"clRed\"/>\n"
            "      <Property name=\"Secret\" value=\"\"/>\n"
            "    </Action>\n"
            "  </Actions>\n"
            "</VantryProject>\n");
}

TEST_F(Project, ReadsAHandWrittenFile) {
  ASSERT_TRUE(Load(R"(<?xml version="1.0" encoding="UTF-8"?>
<VantryProject version="1">
  <!-- written by hand -->
  <Variables>
    <Variable name="LABEL" value="REL_1"/>
  </Variables>
  <Actions>
    <Action type="test_action" description="Check out the sources">
      <Property name="flag" value="TRUE"/>
      <Property name="Colour" value="clgreen"/>
      <Property name="Text" value="src/a.c&#13;&#10;src/b c.c&#13;&#10;"/>
    </Action>
    <Action type="OTHER_ACTION" enabled="False"/>
  </Actions>
</VantryProject>
)"));
  EXPECT_TRUE(diagnostics_.empty());
  EXPECT_EQ(project_.variables,
            (std::vector<std::pair<std::string, std::string>>{{"LABEL", "REL_1"}}));
  ASSERT_EQ(project_.actions.size(), 2u);
  EXPECT_EQ(project_.actions[0].typeId, "TEST_ACTION");  // as registered
  EXPECT_TRUE(project_.actions[0].enabled);
  EXPECT_TRUE(ActionAt(project_, 0).flag);
  EXPECT_EQ(ActionAt(project_, 0).colour, vytest::clGreen);
  EXPECT_EQ(ActionAt(project_, 0).text, "src/a.c\r\nsrc/b c.c\r\n");
  EXPECT_FALSE(project_.actions[1].enabled);
}

TEST_F(Project, AnUnknownPropertyIsAWarningAndTheRestLoads) {
  ASSERT_TRUE(Load(R"(<VantryProject version="1"><Actions>
<Action type="TEST_ACTION">
  <Property name="Retired" value="x"/>
  <Property name="Count" value="12"/>
</Action></Actions></VantryProject>)"));
  ASSERT_EQ(diagnostics_.size(), 1u);
  EXPECT_EQ(diagnostics_[0].ToString(),
            "p.vyp:3: warning: unknown property \"Retired\" of action type \"TEST_ACTION\" is "
            "ignored");
  EXPECT_EQ(ActionAt(project_, 0).count, 12);
}

TEST_F(Project, LinesAreCountedInFilesWithWindowsLineEnds) {
  ASSERT_TRUE(
      Load("<VantryProject>\r\n<Actions><Action type=\"TEST_ACTION\"\r\n"
           "description=\"two\r\nlines\">\r\n<Property name=\"Retired\"/>\r\n"
           "</Action></Actions></VantryProject>\r\n"));
  ASSERT_EQ(diagnostics_.size(), 1u);
  EXPECT_EQ(diagnostics_[0].line, 5);
}

struct TLoadErrorCase {
  std::string name;
  std::string xml;
  int line;
  std::string message;  // part of the error
};

void PrintTo(const TLoadErrorCase& c, std::ostream* os) {
  *os << c.name;
}

class ProjectLoadError : public Project, public testing::WithParamInterface<TLoadErrorCase> {};

TEST_P(ProjectLoadError, NamesFileAndLineAndLoadsNothing) {
  const TLoadErrorCase& c = GetParam();
  const std::string good =
      "<VantryProject version=\"1\">\n<Variables><Variable name=\"V\" value=\"1\"/></Variables>\n"
      "<Actions>\n<Action type=\"TEST_ACTION\"/>\n";
  EXPECT_FALSE(Load(good + c.xml));
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

INSTANTIATE_TEST_SUITE_P(
    Table, ProjectLoadError,
    testing::Values(
        TLoadErrorCase{"Malformed", "<Action type=\"TEST_ACTION\">\n</Actions></VantryProject>", 6,
                       "mismatch"},
        TLoadErrorCase{"UnknownType", "<Action type=\"CC_NOPE\"/>\n</Actions></VantryProject>", 5,
                       "unknown action type \"CC_NOPE\"; known types: TEST_ACTION, OTHER_ACTION, "
                       "THROWING_ACTION"},
        TLoadErrorCase{"FactoryThrows",
                       "<Action type=\"THROWING_ACTION\"/>\n</Actions></VantryProject>", 5,
                       "the action of type \"THROWING_ACTION\" could not be created"},
        TLoadErrorCase{
            "UnknownEnumName",
            "<Action type=\"TEST_ACTION\">\n\n<Property name=\"Colour\" value=\"clPink\"/>"
            "</Action></Actions></VantryProject>",
            7, "\"clPink\" is not one of clRed, clGreen, clBlue"},
        TLoadErrorCase{"Enabled",
                       "<Action type=\"TEST_ACTION\" enabled=\"yes\"/>"
                       "</Actions></VantryProject>",
                       5, "enabled: \"yes\" is not a Boolean"},
        TLoadErrorCase{"VariableWithoutName",
                       "</Actions><Variables>\n<Variable value=\"x\"/></Variables></VantryProject>",
                       6, "a variable needs a name"}),
    [](const auto& info) { return info.param.name; });

TEST_F(Project, RejectsAnotherRootAndVersion) {
  EXPECT_FALSE(Load("<Project/>"));
  EXPECT_NE(diagnostics_.at(0).message.find("root element must be <VantryProject>"),
            std::string::npos);
  EXPECT_FALSE(Load("<VantryProject version=\"2\"/>"));
  EXPECT_NE(diagnostics_.at(0).message.find("unsupported project version \"2\""),
            std::string::npos);
}

TEST_F(Project, AMissingFileIsAnErrorNamingIt) {
  vytest::TTempDir dir;
  EXPECT_FALSE(vy::LoadProject(dir.File("none.vyp"), project_, diagnostics_));
  ASSERT_EQ(diagnostics_.size(), 1u);
  EXPECT_EQ(diagnostics_[0].file, dir.File("none.vyp"));
  EXPECT_NE(diagnostics_[0].ToString().find("none.vyp: error: cannot open"), std::string::npos);
}

}  // namespace
