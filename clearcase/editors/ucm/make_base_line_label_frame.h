#pragma once
// "Labelling": how the elements of a new baseline are labelled.

#include <QRadioButton>

#include "vycore/gui/action_page.h"

namespace clearcase::editors {

class TClearCaseMakeBaseLineLabelFrame : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TClearCaseMakeBaseLineLabelFrame(QWidget* parent = nullptr);

  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return QStringLiteral("Labelling"); }

 private:
  QRadioButton* btnIncremental_;
  QRadioButton* btnFulllabel_;
  QRadioButton* btnNlabel_;
};

}  // namespace clearcase::editors
