#include "clearcase/editors/registration.h"
#include "clearcase/editors/ucm/change_baseline_frame.h"
#include "clearcase/editors/ucm/change_stream_frame.h"
#include "clearcase/editors/ucm/change_stream_options_frame.h"
#include "clearcase/editors/ucm/make_activity_frame.h"
#include "clearcase/editors/ucm/make_base_line_label_frame.h"
#include "clearcase/editors/ucm/make_baseline_frame.h"
#include "clearcase/editors/ucm/make_baseline_from_label_frame.h"
#include "vycore/gui/page_registry.h"

namespace clearcase::editors {

void RegisterUcmPages() {
  using vy::gui::RegisterActionPage;
  RegisterActionPage<TClearCaseMakeActivityFrame>("TClearCaseMakeActivityFrame");
  RegisterActionPage<TClearCaseMakeBaselineFrame>("TClearCaseMakeBaselineFrame");
  RegisterActionPage<TClearCaseMakeBaseLineLabelFrame>("TClearCaseMakeBaseLineLabelFrame");
  RegisterActionPage<TClearCaseMakeBaselineFromLabelFrame>("TClearCaseMakeBaselineFromLabelFrame");
  RegisterActionPage<TClearCaseChangeBaselineFrame>("TClearCaseChangeBaselineFrame");
  RegisterActionPage<TClearCaseChangeStreamFrame>("TClearCaseChangeStreamFrame");
  RegisterActionPage<TClearCaseChangeStreamOptionsFrame>("TClearCaseChangeStreamOptionsFrame");
}

}  // namespace clearcase::editors
