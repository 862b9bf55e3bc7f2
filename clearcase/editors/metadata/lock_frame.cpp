#include "clearcase/editors/metadata/lock_frame.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "clearcase/actions/metadata/lock_actions.h"
#include "clearcase/editors/metadata/metadata_support.h"

namespace clearcase::editors {

using meta::Named;
using meta::Q;
using meta::S;

TClearCaseLockFrame::TClearCaseLockFrame(QWidget* parent) : TVyActionPage(parent) {
  auto* group = meta::NewGroup(QStringLiteral("Lock Options"), this);
  boxReplace_ = Named(
      new QCheckBox(QStringLiteral("&Replace any existing locks (-replace)"), group), "boxReplace");
  boxObsolete_ =
      Named(new QCheckBox(QStringLiteral("Lock and &mark as obsolete (-obsolete)"), group),
            "boxObsolete");
  boxUseNUsers_ =
      Named(new QCheckBox(
                QStringLiteral("&Allow the following users to modify the locked object (-nusers):"),
                group),
            "boxUseNUsers");
  txtNUsersList_ = Named(new QPlainTextEdit(group), "txtNUsersList");
  txtNUsersList_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // Names are separated by commas and line breaks, never by tabs: Tab leaves.
  txtNUsersList_->setTabChangesFocus(true);
  auto* note = new QLabel(QStringLiteral("(Separate individual user names with commas.)"), group);

  auto* options = new QVBoxLayout(group);
  options->addWidget(boxReplace_);
  options->addWidget(boxObsolete_);
  options->addWidget(boxUseNUsers_);
  options->addWidget(txtNUsersList_, 1);
  options->addWidget(note);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group, 1);

  connect(boxUseNUsers_, &QCheckBox::toggled, this, &TClearCaseLockFrame::OnUseNUsers);
  connect(boxObsolete_, &QCheckBox::toggled, this, &TClearCaseLockFrame::OnObsolete);
  meta::ChainTabOrder({boxReplace_, boxObsolete_, boxUseNUsers_, txtNUsersList_});
  OnUseNUsers(false);
  WatchEdits(this);
}

// An obsolete object is locked for everyone, so the two exclude each other.
void TClearCaseLockFrame::OnUseNUsers(bool ticked) {
  if (ticked) boxObsolete_->setChecked(false);
  txtNUsersList_->setEnabled(boxUseNUsers_->isChecked());
}

void TClearCaseLockFrame::OnObsolete(bool ticked) {
  if (ticked) boxUseNUsers_->setChecked(false);
  txtNUsersList_->setEnabled(boxUseNUsers_->isChecked());
}

QString TClearCaseLockFrame::UsersShown(const QString& stored) {
  QString shown = stored;
  shown.replace(u',', QStringLiteral(",\n"));
  if (!shown.isEmpty()) shown += u'\n';
  return shown;
}

QString TClearCaseLockFrame::UsersStored(const QString& shown) {
  QString stored = shown;
  stored.remove(u'\r');
  stored.remove(u'\n');
  stored.replace(QStringLiteral(", "), QStringLiteral(","));
  stored.replace(QStringLiteral(" ,"), QStringLiteral(","));
  while (!stored.isEmpty() && (stored.back() == u',' || stored.back() == u' ')) stored.chop(1);
  return stored;
}

void TClearCaseLockFrame::ReadActionData(vy::TCustomVyAction& action) {
  auto* lock = dynamic_cast<TClearCaseLockGenericAction*>(&action);
  if (lock == nullptr) return;
  boxReplace_->setChecked(lock->GetReplace());
  boxUseNUsers_->setChecked(lock->GetUseNUsers());
  OnUseNUsers(boxUseNUsers_->isChecked());
  boxObsolete_->setChecked(lock->GetObsolete());
  OnObsolete(boxObsolete_->isChecked());
  txtNUsersList_->setPlainText(UsersShown(Q(lock->GetNUsersList())));
}

void TClearCaseLockFrame::WriteActionData(vy::TCustomVyAction& action) {
  auto* lock = dynamic_cast<TClearCaseLockGenericAction*>(&action);
  if (lock == nullptr) return;
  lock->SetReplace(boxReplace_->isChecked());
  lock->SetObsolete(boxObsolete_->isChecked());
  lock->SetUseNUsers(boxUseNUsers_->isChecked());
  lock->SetNUsersList(S(UsersStored(txtNUsersList_->toPlainText())));
}

}  // namespace clearcase::editors
