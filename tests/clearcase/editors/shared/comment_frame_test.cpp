#include "clearcase/editors/shared/comment_frame.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTest>

#include "clearcase/actions/element/checkout_action.h"
#include "clearcase/editors/registration.h"
#include "page_fixture.h"
#include "page_input.h"
#include "vycore/gui/page_registry.h"

namespace {

using clearcase::editors::TClearCaseCommentFrame;

class CommentPageTest : public cctest::TPageTest {
 protected:
  std::string Property(const char* name) const { return *vy::GetPropertyText(action_, name); }

  clearcase::TClearCaseCheckoutAction action_;
};

TEST_F(CommentPageTest, TheTextIsKeptEvenWithoutComment) {
  struct Row {
    const char* comment;
    bool noComment;
    bool commentChosen;
  } rows[] = {{"", false, false}, {"fix 23", false, true}, {"fix 23", true, false}};
  for (const Row& row : rows) {
    action_.SetComment(row.comment);
    action_.SetNoComment(row.noComment);
    auto page = Open<TClearCaseCommentFrame>(action_);
    EXPECT_EQ(Find<QRadioButton>(page.get(), "btnComment")->isChecked(), row.commentChosen);
    page->WriteActionData(action_);
    EXPECT_EQ(Property("Comment"), row.comment);
    EXPECT_EQ(Property("NoComment"), row.commentChosen ? "false" : "true");
  }
}

TEST_F(CommentPageTest, TypingChoosesTheCommentAndEnterBreaksNoLine) {
  auto page = Open<TClearCaseCommentFrame>(action_);
  auto* text = Find<QPlainTextEdit>(page.get(), "txtComment");
  QTest::keyClicks(text, "first");
  QTest::keyClick(text, Qt::Key_Return);
  QTest::keyClicks(text, " line");
  EXPECT_TRUE(Find<QRadioButton>(page.get(), "btnComment")->isChecked());
  page->WriteActionData(action_);
  EXPECT_EQ(Property("Comment"), "first line");
  EXPECT_EQ(Property("NoComment"), "false");
}

TEST_F(CommentPageTest, SharedPagesAreCreatedByTheirClassNames) {
  clearcase::editors::RegisterSharedPages();
  for (const char* name :
       {"TClearCaseViewPathNameFrame", "TClearCaseExtendedPathNameFrame", "TClearCaseCommentFrame"})
    EXPECT_EQ(vy::gui::CreateActionPage(name)->objectName(), name);
  EXPECT_EQ(vy::gui::CreateOptionsPage("TClearCaseOptionsFrame")->GetPageName(),
            "ClearCase Options");
}

}  // namespace
