#include "clearcase/editors/element/element_page_support.h"

#include <QGroupBox>

#include "clearcase/cleartool/string_lists.h"
#include "clearcase/plugin/clearcase_options.h"
#include "vycore/services.h"

namespace clearcase::editors::element {

QStringList ListingItems(const std::string& listing) {
  QStringList items;
  ForEachLine(listing, [&](std::string_view line) {
    items.append(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
  });
  return items;
}

QStringList VariableNames(bool includeEnvironment) {
  vy::TStringList names;
  vy::VyDesignApplicationServices().GetVariableNames(names, includeEnvironment);
  QStringList items;
  for (const std::string& name : names) items.append(Q(name));
  return items;
}

QGroupBox* NewGroup(const QString& heading, QWidget* parent) {
  return new QGroupBox(heading, parent);
}

bool ClearCaseIsLT() {
  IVyClearCaseOptions* options = ClearCaseOptions();
  return options != nullptr && options->GetClearCaseType() == ccLT;
}

}  // namespace clearcase::editors::element
