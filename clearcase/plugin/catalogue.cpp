#include "clearcase/plugin/catalogue.h"

#include "clearcase/actions/element/checkout_action.h"

namespace clearcase {

namespace {

using vy::ActionClass;

// Page class names per action, in tab order.
const vy::TVyPageClass kViewPathNames{"TClearCaseViewPathNameFrame"};
const vy::TVyPageClass kExtendedPathNames{"TClearCaseExtendedPathNameFrame"};
const vy::TVyPageClass kComment{"TClearCaseCommentFrame"};

const std::vector<TCatalogueRow>& Rows() {
  static const std::vector<TCatalogueRow> rows = {
      {"CC_CHECKOUT", ActionClass<TClearCaseCheckoutAction>("TClearCaseCheckoutAction"),
       {kViewPathNames, kExtendedPathNames, {"TClearCaseCheckOutFrame"}, kComment}},
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
