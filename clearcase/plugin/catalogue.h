#pragma once
// The package's actions: one table, in registration order.

#include <span>
#include <string>
#include <vector>

#include "vycore/services.h"

namespace clearcase {

struct TCatalogueRow {
  const char* typeId;
  vy::TVyActionClass actionClass;
  std::vector<vy::TVyPageClass> pages;
};

std::span<const TCatalogueRow> Catalogue();
// Type identifiers in the order their pages are registered.
std::span<const char* const> PageRegistrationOrder();

}  // namespace clearcase
