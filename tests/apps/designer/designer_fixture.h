#pragma once
// The designer's test host: the package and its pages loaded once from the
// build, options and per-user files in a private folder that the runner
// started by the tests reads too, and a copy of the demo world for the
// stand-in.

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>

#include "designer_host.h"

namespace designer_test {

// The folder of this test process's files (options, world, projects).
std::string Sandbox();
std::string SandboxPath(const std::string& relative);
// The demo world's dynamic view in which element paths such as "src/a.c" resolve.
std::string ViewPath();
std::string JournalFile();

designer::TDesignerHost& Host();

// Runs the event loop until `condition` holds or `timeoutMs` passes; false
// on time-out. (QtTest's QTRY macros report to QtTest's own log, which a
// GoogleTest run never reads.)
bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 5000);

// Points the ClearCase options at the stand-in and its dynamic view, saved
// as the runner reads them, without the options page.
void ConfigureOptions();

template <class T>
T* Find(const QObject* root, const char* name) {
  return root->findChild<T*>(QString::fromLatin1(name));
}

class TDesignerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { Host(); }
};

}  // namespace designer_test
