#include "clearcase/actions/element/checkout_action.h"

#include "package_fixture.h"

namespace {

using clearcase::TClearCaseCheckoutAction;
using Args = std::vector<std::string>;

struct CheckoutCase {
  const char* name;
  std::function<void(TClearCaseCheckoutAction&)> set;
  bool ok;
  Args arguments;
};

class Checkout : public cctest::TPackageTest, public testing::WithParamInterface<CheckoutCase> {};

TEST_P(Checkout, CommandLine) {
  TClearCaseCheckoutAction action;
  action.SetViewContextPath(view_);
  action.SetPathNameStorageString("src/a.c\r\nsrc/b c.c\r\n");
  action.SetVariable("OUT", "/tmp/out dir");
  GetParam().set(action);
  const auto built = Build(action);
  EXPECT_EQ(built.ok, GetParam().ok);
  EXPECT_EQ(built.arguments, GetParam().arguments);
}

const Args kPaths = {"\"src/a.c\"", "\"src/b c.c\""};
Args With(Args head, const Args& tail = kPaths) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

INSTANTIATE_TEST_SUITE_P(
    Settings, Checkout,
    testing::Values(
        CheckoutCase{"Defaults", [](auto&) {}, true, With({"checkout", "-nc", "-nquery"})},
        CheckoutCase{"ReservedAndUnreserved",
                     [](auto& a) {
                       a.SetReserved(true);
                       a.SetUnreserved(true);
                       a.SetComment("fix");
                     },
                     true, With({"checkout", "-reserved", "-unreserved", "-c \"fix\"", "-nquery"})},
        CheckoutCase{"OutPtimeBranchInThatOrder",
                     [](auto& a) {
                       a.SetDataLocation(clearcase::coOut);
                       a.SetOutExternalPath("%OUT%/a.c");
                       a.SetSelectionMode(clearcase::coBranch);
                       a.SetBranchSelector("dev");
                       a.SetVersionSelector("/main/3");
                       a.SetPreserveTime(true);
                     },
                     true,
                     With({"checkout", "-out \"/tmp/out dir/a.c\"", "-ptime", "-branch \"dev\"",
                           "-nc", "-nquery"})},
        CheckoutCase{"NoDataVersion",
                     [](auto& a) {
                       a.SetDataLocation(clearcase::coNoData);
                       a.SetSelectionMode(clearcase::coVersion);
                       a.SetVersionSelector("/main/LATEST");
                       a.SetBranchSelector("ignored");
                     },
                     true,
                     With({"checkout", "-ndata", "-version \"/main/LATEST\"", "-nc", "-nquery"})},
        CheckoutCase{"OutPathIgnoredUnlessOut",
                     [](auto& a) { a.SetOutExternalPath("%UNDEFINED%"); }, true,
                     With({"checkout", "-nc", "-nquery"})},
        CheckoutCase{"VersionExpansionFailureStopsAtOnce",
                     [](auto& a) {
                       a.SetReserved(true);
                       a.SetSelectionMode(clearcase::coVersion);
                       a.SetVersionSelector("%NOPE%");
                     },
                     false, Args{"checkout", "-reserved"}},
        CheckoutCase{"OutExpansionFailureStopsAtOnce",
                     [](auto& a) {
                       a.SetDataLocation(clearcase::coOut);
                       a.SetOutExternalPath("%NOPE%");
                       a.SetPreserveTime(true);
                     },
                     false, Args{"checkout"}},
        CheckoutCase{"NoPathNamesStillAppendsTheRest",
                     [](auto& a) { a.SetPathNameStorageString(""); }, false,
                     Args{"checkout", "-nc", "-nquery"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Checkout, CleartoolReceivesEachQuotedValueAsOneArgument) {
  TClearCaseCheckoutAction action;
  action.SetViewContextPath(view_);
  action.SetPathNameStorageString("src/b c.c\r\n");
  action.SetComment("fix it");
  action.SetDataLocation(clearcase::coOut);
  action.SetOutExternalPath("/tmp/out dir/b.c");
  EXPECT_EQ(Build(action).argv,
            (Args{"checkout", "-out", "/tmp/out dir/b.c", "-c", "fix it", "-nquery", "src/b c.c"}));
}

}  // namespace
