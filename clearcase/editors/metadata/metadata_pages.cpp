#include "clearcase/editors/metadata/apply_attribute_frame.h"
#include "clearcase/editors/metadata/apply_attribute_objects_frame.h"
#include "clearcase/editors/metadata/apply_attribute_path_names_frame.h"
#include "clearcase/editors/metadata/apply_label_frame.h"
#include "clearcase/editors/metadata/lock_frame.h"
#include "clearcase/editors/metadata/make_attribute_type_frame.h"
#include "clearcase/editors/metadata/make_attribute_type_options_frame.h"
#include "clearcase/editors/metadata/mk_lb_type_frame.h"
#include "clearcase/editors/metadata/object_selector_frame.h"
#include "clearcase/editors/registration.h"
#include "vycore/gui/page_registry.h"

namespace clearcase::editors {

void RegisterMetadataPages() {
  using vy::gui::RegisterActionPage;
  RegisterActionPage<TClearCaseObjectSelectorFrame>("TClearCaseObjectSelectorFrame");
  RegisterActionPage<TClearCaseMkLbTypeFrame>("TClearCaseMkLbTypeFrame");
  RegisterActionPage<TClearCaseApplyLabelFrame>("TClearCaseApplyLabelFrame");
  RegisterActionPage<TClearCaseLockFrame>("TClearCaseLockFrame");
  RegisterActionPage<TClearCaseMakeAttributeTypeFrame>("TClearCaseMakeAttributeTypeFrame");
  RegisterActionPage<TClearCaseMakeAttributeTypeOptionsFrame>(
      "TClearCaseMakeAttributeTypeOptionsFrame");
  RegisterActionPage<TClearCaseApplyAttributeFrame>("TClearCaseApplyAttributeFrame");
  RegisterActionPage<TClearCaseApplyAttributePathNamesFrame>(
      "TClearCaseApplyAttributePathNamesFrame");
  RegisterActionPage<TClearCaseApplyAttributeObjectsFrame>("TClearCaseApplyAttributeObjectsFrame");
}

}  // namespace clearcase::editors
