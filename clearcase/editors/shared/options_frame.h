#pragma once
// The "ClearCase Options" page: where cleartool lives, the default view, the
// installed product and how the property pages list from the repository.

#include <QCheckBox>
#include <QRadioButton>

#include "vycore/gui/number_edit.h"
#include "vycore/gui/options_page.h"
#include "vycore/gui/path_edit.h"

namespace clearcase::editors {

class TClearCaseOptionsFrame : public vy::gui::TVyOptionsPage {
  Q_OBJECT

 public:
  // Listings given less time than this fail on any real repository.
  static constexpr int kMinimumDesignTimeout = 500;

  explicit TClearCaseOptionsFrame(QWidget* parent = nullptr);

  QString GetPageName() const override { return tr("ClearCase Options"); }
  void ReadOptions(vy::TVyOptionsObject& options) override;
  void WriteOptions(vy::TVyOptionsObject& options) override;

 private:
  void CheckTypeClicked();
  void UpdateTypeButtons();
  void DetectInstalledType();
  void SelectType(QRadioButton* button);
  int DesignTimeout() const;
  void BrowseForCleartool();
  void BrowseForDefaultView();

  vy::gui::TVyPathEdit* editCleartoolPath_;
  vy::gui::TVyPathEdit* editDefaultView_;
  QCheckBox* boxCheckClearCaseType_;
  QRadioButton* btnClearCase_;
  QRadioButton* btnClearCaseLT_;
  vy::gui::TVyNumberEdit* txtDesignTimeout_;
  QCheckBox* boxDesignLocal_;
};

}  // namespace clearcase::editors
