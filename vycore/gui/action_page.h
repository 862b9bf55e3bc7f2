#pragma once
// The host's property page of an action (a "frame"): the designer creates it
// by class name, binds it to an action and asks it to load and store the
// action's settings. Pages make no checks and show no messages; the action's
// Validate does.

#include <QString>
#include <QWidget>

#include "vycore/action.h"

namespace vy::gui {

class TVyActionPage : public QWidget {
  Q_OBJECT

 public:
  explicit TVyActionPage(QWidget* parent = nullptr);

  // Called once after construction, before any action is bound.
  virtual void InitFrame() {}
  // Binds the page to the action it will read and write.
  virtual void InitPage(TCustomVyAction& action) { (void)action; }
  virtual void ReadActionData(TCustomVyAction& action) = 0;
  virtual void WriteActionData(TCustomVyAction& action) = 0;
  // The tab's title.
  virtual QString PageName() const = 0;
  virtual void OnPageActivate() {}
  virtual void OnPageDeActivate() {}

 signals:
  // Something the user edits changed; the designer refreshes what it
  // derives from the action (such as the command-line preview).
  void Edited();

 protected:
  // Emits Edited whenever any edit, box or list below `root` changes.
  void WatchEdits(QWidget* root);
};

}  // namespace vy::gui
