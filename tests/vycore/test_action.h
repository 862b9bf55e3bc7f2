#pragma once
// A small action with one property of each kind, shared by the host's tests.

#include <string>

#include "vycore/action.h"

namespace vytest {

enum TColour { clRed, clGreen, clBlue };

class TTestAction : public vy::TVyExecuteAbstractAction {
 public:
  std::string GetActionName() const override { return "Test Action"; }
  std::string GetExecutable() override { return "/bin/true"; }
  const vy::TPropertyList& PublishedProperties() const override {
    static const vy::TPropertyList list =
        vy::Publish<TTestAction>()
            .String("Text", &TTestAction::GetText, &TTestAction::SetText)
            .Boolean("Flag", &TTestAction::GetFlag, &TTestAction::SetFlag)
            .Integer("Count", &TTestAction::GetCount, &TTestAction::SetCount)
            .Enumeration("Colour", {"clRed", "clGreen", "clBlue"}, &TTestAction::GetColour,
                         &TTestAction::SetColour);
    return list;
  }

  std::string GetText() const { return text; }
  void SetText(const std::string& value) { text = value; }
  bool GetFlag() const { return flag; }
  void SetFlag(bool value) { flag = value; }
  int GetCount() const { return count; }
  void SetCount(int value) { count = value; }
  TColour GetColour() const { return colour; }
  void SetColour(TColour value) { colour = value; }

  std::string text;
  bool flag = false;
  int count = 0;
  TColour colour = clRed;
};

}  // namespace vytest
