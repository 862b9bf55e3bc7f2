#include "clearcase/editors/registration.h"
#include "vycore/gui/page_registry.h"

namespace clearcase::editors {

void RegisterMetadataPages() {}

}  // namespace clearcase::editors
