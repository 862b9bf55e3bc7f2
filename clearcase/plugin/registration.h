#pragma once

namespace clearcase {

// Registers the options, every action of the catalogue and, when asked, the
// pages of the options and of each action.
void VyRegisterPackage(bool registerPages);

}  // namespace clearcase
