// The floor for any Qt program here: one plain fixed window the size of the game's main window.
#include <QApplication>
#include <QString>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("bare"));
  window.setFixedSize(224, 310);
  window.show();
  return app.exec();
}
