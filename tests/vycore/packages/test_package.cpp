// A minimal package for the loader tests: it registers one action, and its
// page when asked to.

#include "vycore/services.h"

namespace {

class TTestPackageAction final : public vy::TVyExecuteAbstractAction {
 public:
  std::string GetActionName() const override { return "Test package action"; }
  std::string GetExecutable() override { return "/bin/true"; }
};

}  // namespace

extern "C" __attribute__((visibility("default"))) void VyRegister(bool RegisterPages) {
  const auto actionClass = vy::ActionClass<TTestPackageAction>("TTestPackageAction");
  vy::VyActionServices().RegisterAction("Test Package Action", "Tests", actionClass,
                                        "TEST_PACKAGE_ACTION");
  if (RegisterPages) {
    vy::VyActionServices().RegisterActionPages(actionClass, {{"TTestPackageFrame"}});
  }
}
