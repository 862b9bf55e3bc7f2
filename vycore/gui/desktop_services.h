#pragma once
// The designer's answers to the host's design services: Qt file dialogs for
// the folder, file and save-file browsers, and the busy cursor while a
// listing blocks the interface, which keeps painting meanwhile. Tests install
// doubles instead.

#include <QStringList>
#include <string>

#include "vycore/services.h"

namespace vy::gui {

void InstallDesktopServices();

// The designer's blocking runner: the work runs on a thread of its own while
// this thread serves paint events and timers, not user input. Called off the
// interface thread, or without an application, it does the work directly.
void RunBlockingWhilePainting(const TVyBlockingWork& work);

// "Text Files (*.txt)|*.TXT|All Files (*.*)|*.*" -> the Qt filter entries
// "Text Files (*.txt) (*.TXT)", ... in order.
QStringList QtFilters(const std::string& filter);

}  // namespace vy::gui
