#pragma once
// The package's actions: one table, in registration order. The display name,
// help topic and subcommand columns restate what each class answers, so that
// the catalogue can be read in one place; the tests hold the two together.

#include <span>
#include <string>
#include <vector>

#include "vycore/services.h"

namespace clearcase {

struct TCatalogueRow {
  const char* typeId;
  vy::TVyActionClass actionClass;
  const char* displayName;
  int helpTopic;
  const char* subcommand;  // empty: the action runs the subcommand its user names
  std::vector<vy::TVyPageClass> pages;
};

std::span<const TCatalogueRow> Catalogue();
// Type identifiers in the order their pages are registered.
std::span<const char* const> PageRegistrationOrder();

}  // namespace clearcase
