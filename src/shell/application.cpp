// Naming the program to the desktop and translating Qt's own texts.
#include "shell/application.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QObject>
#include <QString>
#include <QTranslator>

#include "core/input.h"

namespace quimbo {

void setUpApplication() {
  QCoreApplication::setApplicationName(QStringLiteral("quimbo"));
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.vandrel.Quimbo"));
  // The translator lives as long as the application that reads it.
  auto* qtTexts = new QTranslator(QCoreApplication::instance());
  if (qtTexts->load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qtTexts);
  }
}

void reportBrowserFailures(DesktopPlatform& desktop, Dispatcher& dispatcher) {
  QObject::connect(&desktop, &DesktopPlatform::openFailed, &dispatcher,
                   [&dispatcher] { dispatcher.send({Action::BrowserFailed}); });
}

}  // namespace quimbo
