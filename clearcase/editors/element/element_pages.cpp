#include "clearcase/editors/element/check_in_frame.h"
#include "clearcase/editors/element/check_out_frame.h"
#include "clearcase/editors/element/cleartool_frame.h"
#include "clearcase/editors/element/find_checkouts_frame.h"
#include "clearcase/editors/element/get_config_spec_frame.h"
#include "clearcase/editors/element/make_element_frame.h"
#include "clearcase/editors/element/set_config_spec_frame.h"
#include "clearcase/editors/element/un_check_out_activity_frame.h"
#include "clearcase/editors/element/un_check_out_frame.h"
#include "clearcase/editors/element/update_frame.h"
#include "clearcase/editors/registration.h"
#include "vycore/gui/page_registry.h"

namespace clearcase::editors {

void RegisterElementPages() {
  vy::gui::RegisterActionPage<TClearCaseCheckOutFrame>("TClearCaseCheckOutFrame");
  vy::gui::RegisterActionPage<TClearCaseCheckInFrame>("TClearCaseCheckInFrame");
  vy::gui::RegisterActionPage<TClearCaseUnCheckOutFrame>("TClearCaseUnCheckOutFrame");
  vy::gui::RegisterActionPage<TClearCaseUnCheckOutActivityFrame>("TClearCaseUnCheckOutActivityFrame");
  vy::gui::RegisterActionPage<TClearCaseUpdateFrame>("TClearCaseUpdateFrame");
  vy::gui::RegisterActionPage<TClearCaseMakeElementFrame>("TClearCaseMakeElementFrame");
  vy::gui::RegisterActionPage<TClearCaseFindCheckoutsFrame>("TClearCaseFindCheckoutsFrame");
  vy::gui::RegisterActionPage<TClearCaseGetConfigSpecFrame>("TClearCaseGetConfigSpecFrame");
  vy::gui::RegisterActionPage<TClearCaseSetConfigSpecFrame>("TClearCaseSetConfigSpecFrame");
  vy::gui::RegisterActionPage<TClearCaseCleartoolFrame>("TClearCaseCleartoolFrame");
}

}  // namespace clearcase::editors
