// Registration, and what the host stores of each action type. Names, help
// topics, pages and hidden properties of every type are in the checked-in
// action reference, which the command-line tests compare with what is registered.
#include "clearcase/plugin/registration.h"

#include <string>
#include <vector>

#include "clearcase/plugin/catalogue.h"
#include "package_fixture.h"
#include "vycore/project.h"
#include "vycore/services.h"

namespace {

using Registration = cctest::TPackageTest;

// A catalogue row left out of the page order registers no pages.
TEST_F(Registration, RegistersOptionsThenEveryCatalogueRowWithPagesOnlyWhenAsked) {
  for (const bool withPages : {false, true}) {
    SCOPED_TRACE(withPages);
    vy::ResetVyServicesForTesting();  // the package registers its own options
    clearcase::VyRegisterPackage(withPages);
    const auto& options = vy::VyOptionsServices().Registered().at(0);
    EXPECT_EQ(options.imageName, "CC_LOGO");
    EXPECT_EQ(options.pages.empty() ? "" : options.pages.at(0).className,
              withPages ? "TClearCaseOptionsFrame" : "");
    const auto& registered = vy::VyActionServices().Catalogue();
    ASSERT_EQ(registered.size(), clearcase::Catalogue().size());
    for (const auto& type : registered) EXPECT_NE(type.pages.empty(), withPages) << type.typeId;
  }
  EXPECT_NE(vy::VyScriptingServices().FindEnumeration("TClearCaseType"), nullptr);
}

// A fresh action of every type builds the same command line when loaded again.
TEST_F(Registration, EveryTypeSurvivesSavingAndLoading) {
  vy::ResetVyServicesForTesting();
  clearcase::VyRegisterPackage(false);
  Options().SetClearToolPath(cleartool_);
  Options().SetDefaultViewPath(view_);
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
