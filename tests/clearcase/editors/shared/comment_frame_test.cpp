#include "clearcase/editors/shared/comment_frame.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTest>

#include "clearcase/actions/element/checkout_action.h"
#include "page_fixture.h"

namespace {

using clearcase::editors::TClearCaseCommentFrame;

using CommentPageTest = cctest::TPageTest;

// Reading and writing the comment is proven by the round trip of every type.
TEST_F(CommentPageTest, TypingChoosesTheCommentAndEnterBreaksNoLine) {
  clearcase::TClearCaseCheckoutAction action;
  action.SetNoComment(false);
  auto page = Open<TClearCaseCommentFrame>(action);
  auto* chosen = Find<QRadioButton>(page.get(), "btnComment");
  EXPECT_FALSE(chosen->isChecked());  // an empty comment is no comment
  auto* text = Find<QPlainTextEdit>(page.get(), "txtComment");
  QTest::keyClicks(text, "first");
  QTest::keyClick(text, Qt::Key_Return);
  QTest::keyClicks(text, " line");
  EXPECT_TRUE(chosen->isChecked());
  page->WriteActionData(action);
  ExpectStored(action, {{"Comment", "first line"}, {"NoComment", "false"}});
}

}  // namespace
