#pragma once
// The designer's test host: the package and its pages loaded once from the
// build, options and per-user files in a private folder that the runner
// started by the tests reads too, and a copy of the demo world for the
// stand-in.

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <string>

#include "designer_host.h"

namespace designer_test {

// A file of this test process's folder (options, world, journal, projects).
std::string SandboxPath(const std::string& relative);
// The demo world's dynamic view in which element paths such as "src/a.c" resolve.
std::string ViewPath();

designer::TDesignerHost& Host();

template <class T>
T* Find(const QObject* root, const char* name) {
  return root->findChild<T*>(QString::fromLatin1(name));
}

class TDesignerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { Host(); }
};

}  // namespace designer_test
