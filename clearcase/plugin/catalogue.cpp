#include "clearcase/plugin/catalogue.h"

#include "clearcase/actions/element/checkin_action.h"
#include "clearcase/actions/element/checkout_action.h"
#include "clearcase/actions/element/cleartool_action.h"
#include "clearcase/actions/element/config_spec_actions.h"
#include "clearcase/actions/element/find_checkouts_action.h"
#include "clearcase/actions/element/make_element_action.h"
#include "clearcase/actions/element/uncheckout_action.h"
#include "clearcase/actions/element/update_action.h"
#include "clearcase/actions/metadata/apply_attribute_actions.h"
#include "clearcase/actions/metadata/apply_label_action.h"
#include "clearcase/actions/metadata/lock_actions.h"
#include "clearcase/actions/metadata/make_attribute_type_action.h"
#include "clearcase/actions/metadata/mklbtype_action.h"
#include "clearcase/actions/ucm/activity_actions.h"
#include "clearcase/actions/ucm/change_baseline_action.h"
#include "clearcase/actions/ucm/change_stream_action.h"
#include "clearcase/actions/ucm/make_baseline_actions.h"

namespace clearcase {

namespace {

// The class and its factory under the class's own name.
#define CC_ACTION_CLASS(T) &typeid(T), vy::ActionClass<T>(#T)

// Pages shared by several actions; each row lists its pages in tab order.
const vy::TVyPageClass kViewPathNames{"TClearCaseViewPathNameFrame"};
const vy::TVyPageClass kExtendedPathNames{"TClearCaseExtendedPathNameFrame"};
const vy::TVyPageClass kComment{"TClearCaseCommentFrame"};
const vy::TVyPageClass kObjectSelectors{"TClearCaseObjectSelectorFrame"};

// Type identifier, class, display name, help topic, subcommand, pages, page rank.
const std::vector<TCatalogueRow>& Rows() {
  // clang-format off
  static const std::vector<TCatalogueRow> rows = {
      {"CC_UPDATE", CC_ACTION_CLASS(TClearCaseUpdateAction),
       "ClearCase Update Snapshot View", 4440, "update",
       {{"TClearCaseUpdateFrame"}}, 1},
      {"CC_CHECKOUT", CC_ACTION_CLASS(TClearCaseCheckoutAction),
       "ClearCase Check Out", 4460, "checkout",
       {kViewPathNames, kExtendedPathNames, {"TClearCaseCheckOutFrame"}, kComment}, 2},
      {"CC_CHECKIN", CC_ACTION_CLASS(TClearCaseCheckInPathAction),
       "ClearCase Check In", 4470, "checkin",
       {kViewPathNames, kExtendedPathNames, {"TClearCaseCheckInFrame"}, kComment}, 3},
      {"CC_UNCHECKOUT", CC_ACTION_CLASS(TClearCaseUnCheckOutAction),
       "ClearCase Undo Checkout", 4480, "uncheckout",
       {kViewPathNames, kExtendedPathNames, {"TClearCaseUnCheckOutFrame"}}, 4},
      {"CC_FINDCHECKOUTS", CC_ACTION_CLASS(TClearCaseFindCheckoutsAction),
       "ClearCase Find Checkouts", 4490, "lscheckout",
       {{"TClearCaseFindCheckoutsFrame"}}, 23},
      {"CC_MKELEM", CC_ACTION_CLASS(TClearCaseMakeElementAction),
       "ClearCase Make Element", 4500, "mkelem",
       {kViewPathNames, {"TClearCaseMakeElementFrame"}, kComment}, 24},
      {"CC_MKLBTYPE", CC_ACTION_CLASS(TClearCaseMkLbTypeAction),
       "ClearCase Make Label Type", 4510, "mklbtype",
       {{"TClearCaseMkLbTypeFrame"}, kComment}, 8},
      {"CC_LABEL", CC_ACTION_CLASS(TClearCaseApplyLabelAction),
       "ClearCase Apply Label", 4520, "mklabel",
       {kViewPathNames, kExtendedPathNames, {"TClearCaseApplyLabelFrame"}, kComment}, 9},
      {"CC_MKATTRTYPE", CC_ACTION_CLASS(TClearCaseMakeAttributeTypeAction),
       "ClearCase Make Attribute Type", 4530, "mkattype",
       {{"TClearCaseMakeAttributeTypeFrame"}, {"TClearCaseMakeAttributeTypeOptionsFrame"},
        kComment}, 18},
      {"CC_APPLYATTR", CC_ACTION_CLASS(TClearCaseApplyAttributePathNamesAction),
       "ClearCase Apply Attribute (Paths)", 4540, "mkattr",
       {kViewPathNames, {"TClearCaseApplyAttributeFrame"},
        {"TClearCaseApplyAttributePathNamesFrame"}}, 19},
      {"CC_APPLYATTR_OBJ", CC_ACTION_CLASS(TClearCaseApplyAttributeObjectsAction),
       "ClearCase Apply Attribute (Objects)", 4540, "mkattr",
       {kObjectSelectors, {"TClearCaseApplyAttributeFrame"},
        {"TClearCaseApplyAttributeObjectsFrame"}}, 20},
      {"CC_LOCK", CC_ACTION_CLASS(TClearCaseLockPathNamesAction),
       "ClearCase Lock (Paths)", 4560, "lock",
       {kViewPathNames, kExtendedPathNames, {"TClearCaseLockFrame"}, kComment}, 10},
      {"CC_UNLOCK", CC_ACTION_CLASS(TClearCaseUnlockPathNamesAction),
       "ClearCase Unlock (Paths)", 4570, "unlock",
       {kViewPathNames, kExtendedPathNames, kComment}, 13},
      {"CC_LOCK_OBJ", CC_ACTION_CLASS(TClearCaseLockObjectsAction),
       "ClearCase Lock (Objects)", 4560, "lock",
       {kObjectSelectors, {"TClearCaseLockFrame"}, kComment}, 11},
      {"CC_UNLOCK_OBJ", CC_ACTION_CLASS(TClearCaseUnlockObjectsAction),
       "ClearCase Unlock (Objects)", 4570, "unlock",
       {kObjectSelectors, kComment}, 12},
      {"CC_GENERIC", CC_ACTION_CLASS(TClearCaseCleartoolAction),
       "ClearCase Run Cleartool (Generic)", 4580, "",
       {{"TClearCaseCleartoolFrame"}}, 16},
      {"CC_GETCONFIGSPEC", CC_ACTION_CLASS(TClearCaseGetConfigSpecAction),
       "ClearCase Get Config Spec", 4590, "catcs",
       {{"TClearCaseGetConfigSpecFrame"}}, 22},
      {"CC_SETCONFIGSPEC", CC_ACTION_CLASS(TClearCaseSetConfigSpecAction),
       "ClearCase Set Config Spec", 4600, "setcs",
       {{"TClearCaseSetConfigSpecFrame"}}, 21},
      {"UCM_MAKEACTIVITY", CC_ACTION_CLASS(TClearCaseMakeActivityAction),
       "UCM Make Activity", 4610, "mkactivity",
       {{"TClearCaseMakeActivityFrame"}, kComment}, 17},
      {"UCM_SETACTIVITY", CC_ACTION_CLASS(TClearCaseSetActivityAction),
       "UCM Set Current Activity", 4620, "setactivity",
       {{"TClearCaseActivitySelectorFrame"}, kComment}, 7},
      {"UCM_CHECKIN", CC_ACTION_CLASS(TClearCaseCheckInActivityAction),
       "UCM Check In Files for Activity", 4630, "checkin",
       {{"TClearCaseActivitySelectorFrame"}, {"TClearCaseCheckInFrame"}, kComment}, 6},
      {"UCM_UNCHECKOUT", CC_ACTION_CLASS(TClearCaseUnCheckOutActivityAction),
       "UCM Undo Checkouts for Activity", 4640, "uncheckout",
       {{"TClearCaseUnCheckOutActivityFrame"}}, 5},
      {"UCM_MAKEBL", CC_ACTION_CLASS(TClearCaseMakeBaselineAction),
       "UCM Make Baseline", 4650, "mkbl",
       {{"TClearCaseMakeBaselineFrame"}, {"TClearCaseMakeBaseLineLabelFrame"}, kComment}, 14},
      {"UCM_MAKEBL_LABEL", CC_ACTION_CLASS(TClearCaseMakeBaselineFromLabelAction),
       "UCM Make Baseline from Label", 4660, "mkbl",
       {{"TClearCaseMakeBaselineFromLabelFrame"}, kComment}, 15},
      {"CC_CHANGEBASELINE", CC_ACTION_CLASS(TClearCaseChangeBaselineAction),
       "UCM Change Baseline", 5290, "chbl",
       {{"TClearCaseChangeBaselineFrame"}, kComment}, 25},
      {"CC_CHANGESTREAM", CC_ACTION_CLASS(TClearCaseChangeStreamAction),
       "UCM Change Stream", 5300, "chstream",
       {{"TClearCaseChangeStreamFrame"}, {"TClearCaseChangeStreamOptionsFrame"}, kComment}, 26},
  };
  // clang-format on
  return rows;
}

#undef CC_ACTION_CLASS

}  // namespace

std::span<const TCatalogueRow> Catalogue() {
  return Rows();
}

const TCatalogueRow* FindCatalogueRow(const std::type_info& type) {
  for (const auto& row : Rows()) {
    if (*row.type == type) return &row;
  }
  return nullptr;
}

}  // namespace clearcase
