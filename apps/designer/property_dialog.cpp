#include "property_dialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "command_preview.h"
#include "designer_host.h"
#include "placeholder_page.h"
#include "project_document.h"
#include "vycore/gui/page_registry.h"
#include "vycore/services.h"

namespace designer {
namespace {

// The edits of a burst of typing produce one preview.
constexpr int kPreviewDelayMs = 120;

class TErrorList final : public vy::IVyActionValidationError {
 public:
  void AddError(const std::string& propertyName, const std::string& message,
                const vy::TVyPersistent*) override {
    const QString text = QString::fromStdString(message);
    errors.append(propertyName.empty()
                      ? text
                      : QString::fromStdString(propertyName) + QStringLiteral(": ") + text);
  }
  QStringList errors;
};

// A page must not take the dialog down with it.
template <class Call>
void Guarded(Call call) {
  try {
    call();
  } catch (...) {
  }
}

}  // namespace

TPropertyDialog::TPropertyDialog(std::string typeId, vy::TCustomVyAction& action,
                                 std::vector<std::pair<std::string, std::string>> variables,
                                 QWidget* parent)
    : QDialog(parent),
      typeId_(std::move(typeId)),
      original_(action),
      copy_(CloneAction(typeId_, action)),
      variables_(std::move(variables)) {
  setObjectName(QStringLiteral("PropertyDialog"));
  const vy::TVyRegisteredAction* registered = vy::VyActionServices().FindAction(typeId_);
  const QString name =
      QString::fromStdString(registered ? registered->displayName : original_.GetActionName());
  setWindowTitle(tr("%1 Properties").arg(name));
  setWindowIcon(ImageByName(typeId_));

  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("pageTabs"));

  auto* previewBox = new QGroupBox(tr("Command line"), this);
  preview_ = new QPlainTextEdit(previewBox);
  preview_->setObjectName(QStringLiteral("txtCommandPreview"));
  preview_->setReadOnly(true);
  preview_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  preview_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  preview_->setFixedHeight(preview_->fontMetrics().lineSpacing() * 3 + 12);
  preview_->setFocusPolicy(Qt::ClickFocus);  // Tab moves between the page's controls
  auto* previewLayout = new QVBoxLayout(previewBox);
  previewLayout->addWidget(preview_);

  errorPanel_ = new QLabel(this);
  errorPanel_->setObjectName(QStringLiteral("lblValidationErrors"));
  errorPanel_->setWordWrap(true);
  errorPanel_->setStyleSheet(QStringLiteral("QLabel { color: #a01010; }"));
  errorPanel_->hide();

  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  keepButton_ = buttons_->addButton(tr("&Keep Anyway"), QDialogButtonBox::ApplyRole);
  keepButton_->setObjectName(QStringLiteral("btnKeepAnyway"));
  keepButton_->hide();
  buttons_->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOk"));
  buttons_->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnCancel"));
  connect(buttons_, &QDialogButtonBox::accepted, this, &TPropertyDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &TPropertyDialog::reject);
  connect(keepButton_, &QPushButton::clicked, this, &TPropertyDialog::KeepAnyway);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_, 1);
  layout->addWidget(previewBox);
  layout->addWidget(errorPanel_);
  layout->addWidget(buttons_);

  previewTimer_ = new QTimer(this);
  previewTimer_->setSingleShot(true);
  previewTimer_->setInterval(kPreviewDelayMs);
  connect(previewTimer_, &QTimer::timeout, this, &TPropertyDialog::RefreshPreview);

  if (copy_) AddPages();
  connect(tabs_, &QTabWidget::currentChanged, this, &TPropertyDialog::TabChanged);
  TabChanged(tabs_->currentIndex());
  RefreshPreview();
  resize(sizeHint().expandedTo(QSize(560, 420)));
}

TPropertyDialog::~TPropertyDialog() = default;

void TPropertyDialog::AddPages() {
  const vy::TVyRegisteredAction* registered = vy::VyActionServices().FindAction(typeId_);
  if (registered == nullptr) return;
  for (const vy::TVyPageClass& pageClass : registered->pages) {
    std::unique_ptr<vy::gui::TVyActionPage> created =
        vy::gui::CreateActionPage(pageClass.className);
    vy::gui::TVyActionPage* page =
        created ? created.release()
                : new TPlaceholderPage(QString::fromStdString(pageClass.className));
    page->setParent(this);
    Guarded([&] {
      page->InitFrame();
      page->InitPage(*copy_);
      page->ReadActionData(*copy_);
    });
    pages_.push_back(page);
    QString title;
    Guarded([&] { title = page->PageName(); });
    tabs_->addTab(page, title);
    connect(page, &vy::gui::TVyActionPage::Edited, previewTimer_,
            static_cast<void (QTimer::*)()>(&QTimer::start));
  }
}

int TPropertyDialog::PageCount() const {
  return static_cast<int>(pages_.size());
}

vy::gui::TVyActionPage* TPropertyDialog::Page(int index) const {
  return index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr;
}

QString TPropertyDialog::PreviewText() const {
  return preview_->toPlainText();
}

void TPropertyDialog::WritePages(vy::TCustomVyAction& action) {
  for (vy::gui::TVyActionPage* page : pages_) Guarded([&] { page->WriteActionData(action); });
}

void TPropertyDialog::RefreshPreview() {
  previewTimer_->stop();
  if (!copy_) {
    preview_->setPlainText(tr("This action type is not installed."));
    return;
  }
  // The pages write into the copy, which only OK hands on; Cancel drops it.
  WritePages(*copy_);
  const TCommandPreview preview = PreviewCommand(typeId_, *copy_, variables_);
  preview_->setPlainText(preview.ToText());
  preview_->setStyleSheet(preview.ok ? QString()
                                     : QStringLiteral("QPlainTextEdit { color: #a01010; }"));
}

void TPropertyDialog::TabChanged(int index) {
  if (vy::gui::TVyActionPage* old = Page(activePage_)) Guarded([&] { old->OnPageDeActivate(); });
  activePage_ = index;
  if (vy::gui::TVyActionPage* page = Page(index)) Guarded([&] { page->OnPageActivate(); });
}

void TPropertyDialog::accept() {
  if (!copy_) {
    QDialog::reject();
    return;
  }
  WritePages(*copy_);
  TErrorList list;
  bool valid = true;
  Guarded([&] { valid = copy_->Validate(list); });
  errors_ = list.errors;
  if (!valid && errors_.isEmpty()) errors_.append(tr("The action's settings are not valid."));
  if (errors_.isEmpty()) {
    Commit();
    return;
  }
  errorPanel_->setText(tr("Please correct:") + QStringLiteral("\n\u2022 ") +
                       errors_.join(QStringLiteral("\n\u2022 ")));
  errorPanel_->show();
  keepButton_->show();
  RefreshPreview();
}

void TPropertyDialog::KeepAnyway() {
  if (!copy_) return;
  WritePages(*copy_);
  Commit();
}

void TPropertyDialog::Commit() {
  CopyProperties(*copy_, original_);
  if (vy::gui::TVyActionPage* page = Page(activePage_)) Guarded([&] { page->OnPageDeActivate(); });
  activePage_ = -1;
  QDialog::accept();
}

}  // namespace designer
