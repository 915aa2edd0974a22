// Opening addresses with the desktop's browser and ending the program.
#include "ui/desktop_platform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

namespace quimbo::ui {

bool DesktopPlatform::openUrl(const std::string& address) {
  return QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

// exit() leaves the event loop at once; quit() would first ask every window to close.
void DesktopPlatform::quit() { QCoreApplication::exit(0); }

}  // namespace quimbo::ui
