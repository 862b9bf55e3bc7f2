#include "clearcase/editors/shared/comment_frame.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTest>

#include "clearcase/actions/element/checkout_action.h"
#include "page_fixture.h"

namespace {

using clearcase::editors::TClearCaseCommentFrame;

class CommentPageTest : public cctest::TPageTest {
 protected:
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
    EXPECT_EQ(Get(action_, "Comment"), row.comment);
    EXPECT_EQ(Get(action_, "NoComment"), row.commentChosen ? "false" : "true");
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
  EXPECT_EQ(Get(action_, "Comment"), "first line");
  EXPECT_EQ(Get(action_, "NoComment"), "false");
}

}  // namespace
