#pragma once
// A page headed by a line of text over a list of path names, with Add, Edit
// and Remove beside the list. Edit and Remove act on the chosen entry (so do
// a double click and Delete) and are enabled only while there is one.

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "vycore/gui/action_page.h"
#include "vycore/gui/hint_list_box.h"

namespace clearcase::editors {

class TClearCasePathListPage : public vy::gui::TVyActionPage {
  Q_OBJECT

 protected:
  explicit TClearCasePathListPage(QWidget* parent);

  // The heading, then the list with its buttons taking the spare height.
  void AddControlsTo(QVBoxLayout* layout);
  void UpdateButtons();
  virtual void EditSelected() = 0;
  virtual void RemoveSelected() = 0;

  QLabel* txtHeading_;
  vy::gui::TVyHintListBox* pathsListBox_;
  QPushButton* addButton_;
  QPushButton* editButton_;
  QPushButton* remButton_;
};

}  // namespace clearcase::editors
