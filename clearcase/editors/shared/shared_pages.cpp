#include "clearcase/editors/registration.h"
#include "clearcase/editors/shared/activity_selector_frame.h"
#include "clearcase/editors/shared/comment_frame.h"
#include "clearcase/editors/shared/extended_path_name_frame.h"
#include "clearcase/editors/shared/options_frame.h"
#include "clearcase/editors/shared/view_path_name_frame.h"
#include "vycore/gui/page_registry.h"

namespace clearcase::editors {

void RegisterSharedPages() {
  vy::gui::RegisterActionPage<TClearCaseActivitySelectorFrame>("TClearCaseActivitySelectorFrame");
  vy::gui::RegisterActionPage<TClearCaseViewPathNameFrame>("TClearCaseViewPathNameFrame");
  vy::gui::RegisterActionPage<TClearCaseExtendedPathNameFrame>("TClearCaseExtendedPathNameFrame");
  vy::gui::RegisterActionPage<TClearCaseCommentFrame>("TClearCaseCommentFrame");
  vy::gui::RegisterOptionsPage<TClearCaseOptionsFrame>("TClearCaseOptionsFrame");
}

}  // namespace clearcase::editors
