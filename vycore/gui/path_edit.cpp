#include "vycore/gui/path_edit.h"

#include <QHBoxLayout>
#include <QStyle>

namespace vy::gui {

TVyPathEdit::TVyPathEdit(QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), button_(new QToolButton(this)) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(edit_, 1);
  layout->addWidget(button_);
  button_->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
  button_->setText(QStringLiteral("..."));
  button_->setToolTip(tr("Browse"));
  button_->setFocusPolicy(Qt::TabFocus);
  setFocusProxy(edit_);
  connect(button_, &QToolButton::clicked, this, &TVyPathEdit::ButtonClicked);
}

}  // namespace vy::gui
