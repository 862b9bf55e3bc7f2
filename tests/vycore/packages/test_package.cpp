// A minimal package for the loader tests: it registers one action.

#include "vycore/services.h"

namespace {

class TTestPackageAction final : public vy::TVyExecuteAbstractAction {
 public:
  std::string GetActionName() const override { return "Test package action"; }
  std::string GetExecutable() override { return "/bin/true"; }
};

}  // namespace

extern "C" __attribute__((visibility("default"))) void VyRegister(bool) {
  vy::VyActionServices().RegisterAction("Test Package Action", "Tests",
                                        vy::ActionClass<TTestPackageAction>("TTestPackageAction"),
                                        "TEST_PACKAGE_ACTION");
}
