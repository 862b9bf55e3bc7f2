#include "vycore/action.h"

#include <gtest/gtest.h>

#include "test_action.h"

namespace {

using vytest::TTestAction;

class TRecordingHost final : public vy::IVyActionHost {
 public:
  void Log(const vy::TCustomVyAction&, const std::string& text, vy::TStatusTag tag) override {
    lines.push_back(std::to_string(tag) + " " + text);
  }
  vy::TVyVariables& Variables() override { return variables; }

  std::vector<std::string> lines;
  vy::TVyVariables variables;
};

TEST(Action, ExpansionFailureIsLoggedNamingLabelAndVariable) {
  TTestAction action;
  action.SetVariable("LABEL", "REL_1");
  std::string text;
  EXPECT_FALSE(action.TryExpandExpression("Comment", "%LABEL% %NOPE%", text, false));
  ASSERT_EQ(action.Messages().size(), 1u);
  EXPECT_EQ(action.Messages()[0].tag, vy::tsError);
  EXPECT_EQ(action.Messages()[0].text, "Error: cannot expand Comment: undefined variable \"NOPE\"");
  EXPECT_FALSE(action.TryExpandExpression("Comment", "a %LABEL", text, false));
  EXPECT_EQ(action.Messages().at(1).text,
            "Error: cannot expand Comment: unterminated variable reference \"%LABEL\"");
  EXPECT_EQ(action.ExpandExpression(" %LABEL%-%B% ", true), "REL_1-%B%");  // keeps what it cannot
  EXPECT_EQ(action.Messages().size(), 3u);
}

TEST(Action, AHostReceivesMessagesAndOwnsTheVariables) {
  TTestAction action;
  TRecordingHost host;
  host.variables.Set("FromHost", "yes");
  action.AttachHost(&host);
  EXPECT_TRUE(action.IsVariableDefined("fromhost"));
  action.SetVariable("Set", "by action");
  EXPECT_EQ(host.variables.Get("SET"), "by action");
  action.SendMessage("hello", vy::tsInformation);
  action.SendMessage("bad", vy::tsError);
  EXPECT_EQ(host.lines, (std::vector<std::string>{"0 hello", "3 bad"}));
  EXPECT_TRUE(action.Messages().empty()) << "the host owns the log";
}

}  // namespace
