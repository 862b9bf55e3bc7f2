// What the host stores of an action is enough to build the same command line
// again, for every action type of the package.

#include <memory>
#include <string>
#include <vector>

#include "clearcase/plugin/catalogue.h"
#include "clearcase/plugin/registration.h"
#include "package_fixture.h"
#include "vycore/project.h"
#include "vycore/services.h"

namespace {

class Persistence : public cctest::TPackageTest {
 protected:
  void SetUp() override {
    TPackageTest::SetUp();
    vy::ResetVyServicesForTesting();
    clearcase::VyRegisterPackage(false);
    Options().SetClearToolPath(cleartool_);
    Options().SetDefaultViewPath(view_);
  }
};

TEST_F(Persistence, AFreshActionOfEveryTypeBuildsTheSameCommandLineWhenLoadedAgain) {
  vy::TVyProject fresh;
  for (const auto& row : clearcase::Catalogue()) {
    fresh.actions.push_back(
        {row.typeId, "", true, vy::VyActionServices().CreateAction(row.typeId)});
  }
  const std::string saved = vy::ProjectToText(fresh);
  vy::TVyProject loaded;
  std::vector<vy::TVyDiagnostic> diagnostics;
  ASSERT_TRUE(vy::LoadProjectText(saved, "p.vyp", loaded, diagnostics));
  EXPECT_TRUE(diagnostics.empty());
  EXPECT_EQ(vy::ProjectToText(loaded), saved);
  ASSERT_EQ(loaded.actions.size(), 26u);
  for (std::size_t i = 0; i < loaded.actions.size(); ++i) {
    SCOPED_TRACE(fresh.actions[i].typeId);
    auto& before = dynamic_cast<clearcase::TClearCaseBaseAction&>(*fresh.actions[i].action);
    auto& after = dynamic_cast<clearcase::TClearCaseBaseAction&>(*loaded.actions[i].action);
    const cctest::TBuiltCommand expected = Build(before);
    const cctest::TBuiltCommand built = Build(after);
    EXPECT_EQ(built.ok, expected.ok);
    EXPECT_EQ(built.argv, expected.argv);
    EXPECT_EQ(built.errors, expected.errors);
  }
}

}  // namespace
