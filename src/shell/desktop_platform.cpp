// Opening addresses with the desktop's browser and ending the program.
#include "shell/desktop_platform.h"

#include <QCoreApplication>
#include <QDebug>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

namespace quimbo {

bool DesktopPlatform::openUrl(const std::string& address) {
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (opener.isEmpty()) return false;
  // The opener runs on its own; the game only hears how it ended. It exits 0 once the browser has
  // the address, and non-zero when there is no browser or the browser failed.
  auto* process = new QProcess(this);
  process->setProcessChannelMode(QProcess::ForwardedChannels);
  connect(process, &QProcess::finished, this, [this, process](int code, QProcess::ExitStatus how) {
    if (how != QProcess::NormalExit || code != 0) emit openFailed();
    process->deleteLater();
  });
  connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart) return;  // a crash is reported by finished()
    emit openFailed();
    process->deleteLater();
  });
  process->start(opener, {QString::fromStdString(address)});
  return true;
}

DesktopPlatform::~DesktopPlatform() {
  // Kept to the end of the program: destroying an opener would end it.
  static QObject* const stillRunning = new QObject;
  for (QProcess* opener : findChildren<QProcess*>()) {
    if (opener->state() != QProcess::NotRunning) opener->setParent(stillRunning);
  }
}

// exit() leaves the event loop at once; quit() would first ask every window to close.
void DesktopPlatform::quit() { QCoreApplication::exit(0); }

}  // namespace quimbo
