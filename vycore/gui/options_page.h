#pragma once
// The host's page of an options object, shown by Tools > Options.

#include <QString>
#include <QWidget>

#include "vycore/options.h"

namespace vy::gui {

// What an options page may ask of the dialog that shows it.
class IVyOptionPageOwner {
 public:
  virtual ~IVyOptionPageOwner() = default;
  virtual QWidget* OwnerWindow() = 0;
};

class TVyOptionsPage : public QWidget {
  Q_OBJECT

 public:
  explicit TVyOptionsPage(QWidget* parent = nullptr) : QWidget(parent) {}

  virtual QString GetPageName() const = 0;
  virtual void InitPage(IVyOptionPageOwner& owner) { (void)owner; }
  virtual void OnPageActivate() {}
  virtual void ReadOptions(TVyOptionsObject& options) = 0;
  virtual void WriteOptions(TVyOptionsObject& options) = 0;
};

}  // namespace vy::gui
