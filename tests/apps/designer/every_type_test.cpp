// Every action type as the user meets it: its dialog opens on real pages
// without running a listing, and OK on unchanged pages gives back the
// settings the action had.

#include <gmock/gmock.h>

#include <QDialog>
#include <QPushButton>
#include <filesystem>

#include "designer_fixture.h"
#include "placeholder_page.h"
#include "project_document.h"
#include "property_dialog.h"
#include "vycore/services.h"

namespace designer_test {
namespace {

std::vector<std::pair<std::string, std::string>> Properties(const vy::TCustomVyAction& action) {
  std::vector<std::pair<std::string, std::string>> values;
  for (const vy::TPublishedProperty& property : action.PublishedProperties().Items()) {
    values.emplace_back(property.name, vy::GetPropertyText(action, property.name).value_or("?"));
  }
  return values;
}

TEST_F(TDesignerTest, EveryTypeOpensOnRealPagesWithoutListingAndRoundTripsOnOk) {
  designer::TProjectDocument showcase;
  std::vector<vy::TVyDiagnostic> diagnostics;
  ASSERT_TRUE(showcase.Open(VANTRY_SOURCE_DIR "/apps/designer/screenshots/showcase.vantry.xml",
                            diagnostics));
  std::set<std::string> types;
  std::filesystem::remove(JournalFile());
  for (int index = 0; index < showcase.Count(); ++index) {
    vy::TVyProjectAction& entry = showcase.At(index);
    SCOPED_TRACE(entry.typeId);
    types.insert(entry.typeId);
    const auto before = Properties(*entry.action);
    designer::TPropertyDialog dialog(entry.typeId, *entry.action, showcase.Variables());
    dialog.show();
    EXPECT_GE(dialog.PageCount(), 1);
    for (int page = 0; page < dialog.PageCount(); ++page) {
      EXPECT_EQ(qobject_cast<designer::TPlaceholderPage*>(dialog.Page(page)), nullptr)
          << dialog.Page(page)->PageName().toStdString() << " is not installed";
    }
    QTest::mouseClick(Find<QPushButton>(&dialog, "btnOk"), Qt::LeftButton);
    if (dialog.isVisible()) {
      QTest::mouseClick(Find<QPushButton>(&dialog, "btnKeepAnyway"), Qt::LeftButton);
    }
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Properties(*entry.action), before);
  }
  EXPECT_FALSE(std::filesystem::exists(JournalFile())) << "a listing ran while dialogs opened";
  std::set<std::string> registered;
  for (const vy::TVyRegisteredAction& entry : vy::VyActionServices().Catalogue()) {
    if (entry.category == "ClearCase") registered.insert(entry.typeId);
  }
  EXPECT_EQ(types, registered) << "the showcase project lacks a type";
  EXPECT_EQ(registered.size(), 26u);
}

}  // namespace
}  // namespace designer_test
