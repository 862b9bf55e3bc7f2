#pragma once
// Stands in for a page class that a package names but whose factory is not
// registered, so that the action's other pages can still be edited.

#include <QString>

#include "vycore/gui/action_page.h"

namespace designer {

class TPlaceholderPage final : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TPlaceholderPage(const QString& className, QWidget* parent = nullptr);

  void ReadActionData(vy::TCustomVyAction&) override {}
  void WriteActionData(vy::TCustomVyAction&) override {}
  QString PageName() const override { return className_; }

 private:
  QString className_;
};

}  // namespace designer
