#pragma once
// The page classes the installed packages name, and what each page edits:
// the designer lists them for the screenshot script and the documentation.

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace designer {

// Every page class named by a registration, each once, in the order a user
// meets them: the options pages, then the actions' pages by catalogue.
QStringList PageClasses();

struct TPageDescription {
  QString className;
  QString pageName;        // the tab's title; empty when no page is installed
  QStringList types;       // the action types that show it
  QStringList properties;  // the published properties the page writes
};

// Finds the properties a page writes by experiment: every property of a
// fresh action is given an unusual value, the page reads that action and
// writes into another fresh one, and the properties that arrive are the
// page's. Options pages are described by their options object's properties.
std::vector<TPageDescription> DescribePages();

}  // namespace designer
