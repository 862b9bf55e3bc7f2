#pragma once
// The package's actions: one table, in registration order, and the one place
// for each type's display name, help topic, subcommand and pages. The actions
// answer their name, help topic and subcommand from their own row.

#include <span>
#include <string>
#include <typeinfo>
#include <vector>

#include "vycore/services.h"

namespace clearcase {

struct TCatalogueRow {
  const char* typeId;
  const std::type_info* type;  // the class the row describes, matched exactly
  vy::TVyActionClass actionClass;
  const char* displayName;
  int helpTopic;
  const char* subcommand;  // empty: the action runs the subcommand its user names
  std::vector<vy::TVyPageClass> pages;
  int pageRank;  // the host is given the pages of the actions in this order
};

std::span<const TCatalogueRow> Catalogue();
// The row of exactly this class (not of a base class); nullptr for none.
const TCatalogueRow* FindCatalogueRow(const std::type_info& type);

}  // namespace clearcase
