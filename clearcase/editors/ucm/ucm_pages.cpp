#include "clearcase/editors/registration.h"
#include "vycore/gui/page_registry.h"

namespace clearcase::editors {

void RegisterUcmPages() {}

}  // namespace clearcase::editors
