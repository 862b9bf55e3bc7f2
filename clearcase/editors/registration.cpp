#include "clearcase/editors/registration.h"

namespace clearcase::editors {

void RegisterPages() {
  RegisterSharedPages();
  RegisterElementPages();
  RegisterMetadataPages();
  RegisterUcmPages();
}

}  // namespace clearcase::editors
