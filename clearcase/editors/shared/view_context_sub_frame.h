#pragma once
// The panel that chooses an action's view context: the default view of the
// options or a view folder of the action's own. Pages that run a listing in
// a view embed it and ask it for the folder.

#include <QGroupBox>
#include <QRadioButton>
#include <QString>

#include "clearcase/actions/core/base_action.h"
#include "vycore/gui/path_edit.h"

namespace clearcase::editors {

class TClearCaseViewContextSubFrame : public QGroupBox {
  Q_OBJECT

 public:
  explicit TClearCaseViewContextSubFrame(QWidget* parent = nullptr);

  void ReadActionData(TClearCaseBaseAction& action);
  void WriteActionData(TClearCaseBaseAction& action);

  // The folder listings run in: the options' default view while the default
  // is chosen, whatever the box holds otherwise.
  QString GetContextPath() const;
  void SetPathName(const QString& path);

  QString Caption() const { return title(); }
  void SetCaption(const QString& caption) { setTitle(caption); }

  QRadioButton* DefaultViewButton() const { return btnDefaultView_; }
  QRadioButton* CustomViewButton() const { return btnCustomView_; }
  vy::gui::TVyPathEdit* ViewPathEdit() const { return txtViewPath_; }

 private:
  void BrowseForView();
  void ViewPathEdited(const QString& text);

  QRadioButton* btnDefaultView_;
  QRadioButton* btnCustomView_;
  vy::gui::TVyPathEdit* txtViewPath_;
  QString pathName_;
};

}  // namespace clearcase::editors
