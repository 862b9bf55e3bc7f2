#include "placeholder_page.h"

#include <QLabel>
#include <QVBoxLayout>

namespace designer {

TPlaceholderPage::TPlaceholderPage(const QString& className, QWidget* parent)
    : TVyActionPage(parent), className_(className) {
  auto* label = new QLabel(
      tr("No page is installed for %1.\nThe action keeps the settings this page would show.")
          .arg(className),
      this);
  label->setObjectName(QStringLiteral("lblPlaceholder"));
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
}

}  // namespace designer
