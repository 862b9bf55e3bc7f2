// vantry-designer [PROJECT]
// vantry-designer --screenshot PAGE_CLASS FILE.png [--project P] [--action N]
// vantry-designer --list-pages | --describe-pages

#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "designer_host.h"
#include "main_window.h"
#include "page_catalogue.h"
#include "screenshot.h"
#include "vycore/services.h"

namespace {

constexpr const char* kUsage =
    "usage: vantry-designer [PROJECT]\n"
    "       vantry-designer --screenshot NAME FILE.png [--project PROJECT] [--action N] [--run]\n"
    "       vantry-designer --list-pages | --describe-pages\n"
    "NAME is a page class, MainWindow, CatalogueDialog, OptionsDialog or PropertyDialog;\n"
    "N counts from 1; --run runs the project before MainWindow is taken.\n";

bool Wants(int argc, char** argv, const char* option) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], option) == 0) return true;
  }
  return false;
}

int Usage(const char* problem) {
  if (problem) std::fprintf(stderr, "vantry-designer: %s\n", problem);
  std::fputs(kUsage, stderr);
  return 2;
}

int Screenshot(designer::TDesignerHost& host, const QStringList& arguments) {
  designer::TScreenshotRequest request;
  const int at = static_cast<int>(arguments.indexOf(QStringLiteral("--screenshot")));
  if (at + 2 >= arguments.size()) return Usage("--screenshot needs a NAME and a FILE");
  request.target = arguments.at(at + 1);
  request.file = arguments.at(at + 2);
  request.run = arguments.contains(QStringLiteral("--run"));
  for (int i = 1; i < arguments.size(); ++i) {
    if (i + 1 >= arguments.size()) break;
    if (arguments.at(i) == QLatin1String("--project")) request.project = arguments.at(i + 1);
    if (arguments.at(i) == QLatin1String("--action")) {
      bool number = false;
      request.action = arguments.at(i + 1).toInt(&number);
      if (!number || request.action < 1) return Usage("--action expects a number from 1");
    }
  }
  QString error;
  const int result = designer::TakeScreenshot(host, request, &error);
  if (result != 0) std::fprintf(stderr, "vantry-designer: %s\n", qPrintable(error));
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  const bool batch = Wants(argc, argv, "--screenshot") || Wants(argc, argv, "--list-pages") ||
                     Wants(argc, argv, "--describe-pages");
  if (Wants(argc, argv, "--help") || Wants(argc, argv, "-h")) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  // Pictures look the same on every machine: no screen, one font.
  if (batch && std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vantry Designer"));
  if (batch) {
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
  }

  designer::TDesignerHost host;
  const bool loaded = host.Load();
  for (const std::string& error : host.errors) {
    std::fprintf(stderr, "vantry-designer: %s\n", error.c_str());
  }
  const QStringList arguments = QApplication::arguments();
  if (Wants(argc, argv, "--list-pages")) {
    for (const QString& name : designer::PageClasses()) std::printf("%s\n", qPrintable(name));
    return 0;
  }
  if (Wants(argc, argv, "--describe-pages")) {
    // One Markdown table row per page: class, tab, types, properties.
    for (const designer::TPageDescription& page : designer::DescribePages()) {
      std::printf(
          "| `%s` | %s | %s | %s |\n", qPrintable(page.className),
          page.pageName.isEmpty() ? "(not installed)" : qPrintable("\"" + page.pageName + "\""),
          qPrintable(page.types.join(", ")),
          qPrintable(page.properties.isEmpty() ? QStringLiteral("-")
                                               : "`" + page.properties.join("`, `") + "`"));
    }
    return 0;
  }
  if (batch) return loaded ? Screenshot(host, arguments) : 2;
  if (!loaded) {
    // Saving options over a store that could not be read would lose it.
    QMessageBox::critical(nullptr, QStringLiteral("Vantry Designer"),
                          QString::fromStdString(host.errors.back()));
    return 2;
  }

  QString project;
  for (int i = 1; i < arguments.size(); ++i) {
    if (arguments.at(i).startsWith(QLatin1Char('-'))) {
      return Usage(qPrintable(QStringLiteral("unknown option ") + arguments.at(i)));
    }
    if (!project.isEmpty()) return Usage("give at most one PROJECT");
    project = arguments.at(i);
  }
  designer::TMainWindow window(host);
  window.show();
  if (!host.errors.empty()) {
    QString text;
    for (const std::string& error : host.errors) text += QString::fromStdString(error) + "\n";
    QMessageBox::warning(&window, QStringLiteral("Vantry Designer"),
                         QStringLiteral("Some packages could not be loaded:\n") + text);
  }
  if (!project.isEmpty()) window.OpenProject(project);
  // The start-up benchmark times the program up to its first shown window.
  if (std::getenv("VANTRY_DESIGNER_QUIT_WHEN_SHOWN") != nullptr) {
    QTimer::singleShot(0, &application, &QApplication::quit);
  }
  return QApplication::exec();
}
