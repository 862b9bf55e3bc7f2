#include "clearcase/plugin/catalogue.h"

#include "clearcase/actions/element/checkin_action.h"
#include "clearcase/actions/element/checkout_action.h"
#include "clearcase/actions/element/cleartool_action.h"
#include "clearcase/actions/element/config_spec_actions.h"
#include "clearcase/actions/element/find_checkouts_action.h"
#include "clearcase/actions/element/make_element_action.h"
#include "clearcase/actions/element/uncheckout_action.h"
#include "clearcase/actions/element/update_action.h"

namespace clearcase {

namespace {

using vy::ActionClass;

// Page class names per action, in tab order.
const vy::TVyPageClass kViewPathNames{"TClearCaseViewPathNameFrame"};
const vy::TVyPageClass kExtendedPathNames{"TClearCaseExtendedPathNameFrame"};
const vy::TVyPageClass kComment{"TClearCaseCommentFrame"};

const std::vector<TCatalogueRow>& Rows() {
  static const std::vector<TCatalogueRow> rows = {
      {"CC_UPDATE", ActionClass<TClearCaseUpdateAction>("TClearCaseUpdateAction"),
       {{"TClearCaseUpdateFrame"}}},
      {"CC_CHECKOUT", ActionClass<TClearCaseCheckoutAction>("TClearCaseCheckoutAction"),
       {kViewPathNames, kExtendedPathNames, {"TClearCaseCheckOutFrame"}, kComment}},
      {"CC_CHECKIN", ActionClass<TClearCaseCheckInPathAction>("TClearCaseCheckInPathAction"),
       {kViewPathNames, kExtendedPathNames, {"TClearCaseCheckInFrame"}, kComment}},
      {"CC_UNCHECKOUT", ActionClass<TClearCaseUnCheckOutAction>("TClearCaseUnCheckOutAction"),
       {kViewPathNames, kExtendedPathNames, {"TClearCaseUnCheckOutFrame"}}},
      {"CC_FINDCHECKOUTS",
       ActionClass<TClearCaseFindCheckoutsAction>("TClearCaseFindCheckoutsAction"),
       {{"TClearCaseFindCheckoutsFrame"}}},
      {"CC_MKELEM", ActionClass<TClearCaseMakeElementAction>("TClearCaseMakeElementAction"),
       {kViewPathNames, {"TClearCaseMakeElementFrame"}, kComment}},
      {"CC_GENERIC", ActionClass<TClearCaseCleartoolAction>("TClearCaseCleartoolAction"),
       {{"TClearCaseCleartoolFrame"}}},
      {"CC_GETCONFIGSPEC",
       ActionClass<TClearCaseGetConfigSpecAction>("TClearCaseGetConfigSpecAction"),
       {{"TClearCaseGetConfigSpecFrame"}}},
      {"CC_SETCONFIGSPEC",
       ActionClass<TClearCaseSetConfigSpecAction>("TClearCaseSetConfigSpecAction"),
       {{"TClearCaseSetConfigSpecFrame"}}},
      {"UCM_CHECKIN",
       ActionClass<TClearCaseCheckInActivityAction>("TClearCaseCheckInActivityAction"),
       {{"TClearCaseActivitySelectorFrame"}, {"TClearCaseCheckInFrame"}, kComment}},
      {"UCM_UNCHECKOUT",
       ActionClass<TClearCaseUnCheckOutActivityAction>("TClearCaseUnCheckOutActivityAction"),
       {{"TClearCaseUnCheckOutActivityFrame"}}},
  };
  return rows;
}

constexpr const char* kPageOrder[] = {
    "CC_UPDATE",         "CC_CHECKOUT",      "CC_CHECKIN",        "CC_UNCHECKOUT",
    "UCM_UNCHECKOUT",    "UCM_CHECKIN",      "UCM_SETACTIVITY",   "CC_MKLBTYPE",
    "CC_LABEL",          "CC_LOCK",          "CC_LOCK_OBJ",       "CC_UNLOCK_OBJ",
    "CC_UNLOCK",         "UCM_MAKEBL",       "UCM_MAKEBL_LABEL",  "CC_GENERIC",
    "UCM_MAKEACTIVITY",  "CC_MKATTRTYPE",    "CC_APPLYATTR",      "CC_APPLYATTR_OBJ",
    "CC_SETCONFIGSPEC",  "CC_GETCONFIGSPEC", "CC_FINDCHECKOUTS",  "CC_MKELEM",
    "CC_CHANGEBASELINE", "CC_CHANGESTREAM",
};

}  // namespace

std::span<const TCatalogueRow> Catalogue() { return Rows(); }

std::span<const char* const> PageRegistrationOrder() { return kPageOrder; }

}  // namespace clearcase
