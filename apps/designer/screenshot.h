#pragma once
// vantry-designer --screenshot: renders one page or window offscreen into a
// PNG file, so that the documentation's pictures are made by the program
// itself and can be regenerated at any time.

#include <QString>

namespace designer {

struct TDesignerHost;

struct TScreenshotRequest {
  // A page class, a dialog class that a page opens, or MainWindow,
  // CatalogueDialog, OptionsDialog, PropertyDialog.
  QString target;
  QString file;     // the PNG to write
  QString project;  // optional: the project whose action is shown
  // The action's number in the project, from 1; 0: the first action that
  // shows the page, or the page that opens the dialog (the first action for
  // PropertyDialog and MainWindow).
  int action = 0;
  bool run = false;  // MainWindow: run the project first, to show its log
};

// 0 when the file was written; otherwise 1, with the reason in `error`.
int TakeScreenshot(TDesignerHost& host, const TScreenshotRequest& request, QString* error);

}  // namespace designer
