#include "clearcase/editors/shared/comment_frame.h"

#include <QKeyEvent>
#include <QVBoxLayout>

#include "clearcase/actions/core/base_action.h"

namespace clearcase::editors {
namespace {

// Enter belongs to the dialog's default button: the key goes on to the
// parents instead of breaking the line. Long comments wrap.
class TCommentEdit final : public QPlainTextEdit {
 public:
  using QPlainTextEdit::QPlainTextEdit;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      event->ignore();
      return;
    }
    QPlainTextEdit::keyPressEvent(event);
  }
};

}  // namespace

TClearCaseCommentFrame::TClearCaseCommentFrame(QWidget* parent)
    : TVyActionPage(parent),
      btnNoComment_(new QRadioButton(tr("&No comment"), this)),
      btnComment_(new QRadioButton(tr("&Record comment:"), this)),
      txtComment_(new TCommentEdit(this)) {
  setObjectName(QStringLiteral("TClearCaseCommentFrame"));
  btnNoComment_->setObjectName(QStringLiteral("btnNoComment"));
  btnComment_->setObjectName(QStringLiteral("btnComment"));
  txtComment_->setObjectName(QStringLiteral("txtComment"));
  btnNoComment_->setChecked(true);
  txtComment_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtComment_->setTabChangesFocus(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(btnNoComment_);
  layout->addWidget(btnComment_);
  layout->addWidget(txtComment_, 1);

  connect(txtComment_, &QPlainTextEdit::textChanged, this, [this] {
    if (!txtComment_->toPlainText().isEmpty()) btnComment_->setChecked(true);
  });
  WatchEdits(this);
}

void TClearCaseCommentFrame::ReadActionData(vy::TCustomVyAction& action) {
  auto& cc = dynamic_cast<TClearCaseBaseAction&>(action);
  txtComment_->setPlainText(QString::fromStdString(cc.GetComment()));
  const bool noComment = cc.GetNoComment();
  btnNoComment_->setChecked(noComment);
  btnComment_->setChecked(!noComment);
}

void TClearCaseCommentFrame::WriteActionData(vy::TCustomVyAction& action) {
  auto& cc = dynamic_cast<TClearCaseBaseAction&>(action);
  // The text is kept while "No comment" is chosen, for when the user
  // changes their mind.
  cc.SetComment(txtComment_->toPlainText().toStdString());
  cc.SetNoComment(btnNoComment_->isChecked());
}

}  // namespace clearcase::editors
