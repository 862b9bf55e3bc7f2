#include "clearcase/editors/registration.h"
#include "vycore/gui/page_registry.h"

namespace clearcase::editors {

void RegisterElementPages() {}

}  // namespace clearcase::editors
