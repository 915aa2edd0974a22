// The program's command line and its connection to the display. What it says on the terminal
// follows the manual pages: Spanish under a Spanish locale, English otherwise; the game's windows
// speak Spanish whatever the locale.
#include "shell/command_line.h"

#include <unistd.h>

#include <QApplication>
#include <QChar>
#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>

namespace quimbo {
namespace {

struct Texts {
  const char* help;
  const char* unknownOption;       // %1 is the option
  const char* unexpectedArgument;  // %1 is the argument
  const char* missingValue;        // %1 is the option
  const char* noDisplay;
};

constexpr Texts kEnglish{
    "Usage: quimbo [OPTION]...\n"
    "Noughts and crosses against the computer; the game's windows speak Spanish.\n"
    "\n"
    "  -h, --help      print this help and exit\n"
    "  -v, --version   print the name and version and exit\n"
    "\n"
    "Qt's standard options are accepted too, such as -platform xcb or -platform wayland,\n"
    "-display, -style and -reverse; see quimbo(6).\n",
    "quimbo: unknown option '%1'; see 'quimbo --help'\n",
    "quimbo: unexpected argument '%1'; see 'quimbo --help'\n",
    "quimbo: option '%1' needs a value; see 'quimbo --help'\n",
    "quimbo: no display to show the game on (neither X11 nor Wayland answers); start it from a "
    "desktop session, or set DISPLAY or WAYLAND_DISPLAY\n"};

constexpr Texts kSpanish{
    "Uso: quimbo [OPCIÓN]...\n"
    "Tres en raya contra la computadora.\n"
    "\n"
    "  -h, --help      muestra esta ayuda y termina\n"
    "  -v, --version   muestra el nombre y la versión y termina\n"
    "\n"
    "También acepta las opciones comunes de Qt, como -platform xcb o -platform wayland,\n"
    "-display, -style y -reverse; ver quimbo(6).\n",
    "quimbo: opción desconocida '%1'; mirá 'quimbo --help'\n",
    "quimbo: argumento inesperado '%1'; mirá 'quimbo --help'\n",
    "quimbo: la opción '%1' necesita un valor; mirá 'quimbo --help'\n",
    "quimbo: no hay pantalla donde mostrar el juego (no responde ni X11 ni Wayland); inicialo "
    "desde una sesión de escritorio, o definí DISPLAY o WAYLAND_DISPLAY\n"};

// The first of LC_ALL, LC_MESSAGES and LANG that is set names the locale of messages, as for every
// program; whether that locale is installed does not matter.
const Texts& texts() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value == nullptr || *value == '\0') continue;
    const std::string_view locale(value);
    const bool spanish =
        locale.starts_with("es") &&
        (locale.size() == 2 || std::string_view("_.@").find(locale[2]) != locale.npos);
    return spanish ? kSpanish : kEnglish;
  }
  return kEnglish;
}

// How one of Qt's options takes its value: none (a flag), the next argument, that or "=value", or
// only "=value".
enum class Value { Flag, Next, NextOrEquals, Equals };
using enum Value;
struct QtOption {
  std::string_view name;
  Value value;
};

// Qt's standard options, as QGuiApplication, QApplication and the X11 platform document them and
// take them out of the command line, each with one dash or two. The game tells them from options
// it does not know by this table, rather than by refusing what Qt leaves over, because Qt reads
// them only while it builds the application, which connects to the display: an unknown option must
// be refused on a terminal without one too. Options Qt has no use for here (-dialogs, -fontengine
// serve Windows) are left to Qt, which ignores them.
// clang-format off
constexpr std::array<QtOption, 25> kQtOptions{{
    {"platform", Next},              {"platformpluginpath", Next},    {"platformtheme", Next},
    {"plugin", Next},                {"qwindowgeometry", Next},       {"qwindowicon", Next},
    {"qwindowtitle", Next},          {"reverse", Flag},               {"session", Next},
    {"style", NextOrEquals},         {"stylesheet", NextOrEquals},    {"widgetcount", Flag},
    {"qmljsdebugger", NextOrEquals}, {"testability", Flag},           {"display", Next},
    {"geometry", Next},              {"title", Next},                 {"icon", Next},
    {"name", Next},                  {"visual", Next},                {"nograb", Flag},
    {"dograb", Flag},                {"sync", Flag},                  {"dialogs", Equals},
    {"fontengine", Equals},
}};
// clang-format on

struct Reading {
  enum { Play, Help, Version, Refused } request = Play;
  const char* refusal = nullptr;  // the message, for a refused argument
  std::string_view argument = {};
};

Reading read(const Texts& say, int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "-h" || argument == "--help") return {Reading::Help};
    if (argument == "-v" || argument == "--version") return {Reading::Version};
    if (argument == "--") {  // the end of the options; the game takes no other arguments
      if (i + 1 < argc) return {Reading::Refused, say.unexpectedArgument, argv[i + 1]};
      break;
    }
    if (argument.size() < 2 || argument[0] != '-') {
      return {Reading::Refused, say.unexpectedArgument, argument};
    }
    const std::string_view name = argument.substr(argument[1] == '-' ? 2 : 1);
    const std::size_t equals = name.find('=');
    const auto* option = std::find_if(kQtOptions.begin(), kQtOptions.end(), [&](const QtOption& o) {
      return o.name == name.substr(0, equals);
    });
    if (option == kQtOptions.end()) return {Reading::Refused, say.unknownOption, argument};
    if (equals != name.npos) {
      if (option->value == NextOrEquals || option->value == Equals) continue;
      return {Reading::Refused, say.unknownOption, argument};
    }
    if (option->value == Flag) continue;
    if (option->value == Equals || ++i == argc) {
      return {Reading::Refused, say.missingValue, argument};
    }
  }
  return {Reading::Play};
}

// An argument as a refusal quotes it: its first 60 characters, with '?' for whatever is not text or
// not printable (bytes that are not UTF-8, a terminal's escape sequences).
QString shown(std::string_view argument) {
  QString text = QString::fromUtf8(argument.data(), static_cast<qsizetype>(argument.size()));
  if (text.size() > 60) text = text.left(60) + QStringLiteral("...");
  for (QChar& c : text) {
    if (!c.isPrint() || c == QChar::ReplacementCharacter) c = u'?';
  }
  return text;
}

// The answer counts only once it is out: stdout may be a closed pipe or a full disk.
int print(const char* text) {
  return std::fputs(text, stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
}

// Where stderr led before the application was built, and the message handler Qt had then.
int terminal = -1;
QtMessageHandler qtHandler = nullptr;

// While the application is being built, Qt's one fatal message is the platform plugin's: no display
// answered. Qt would abort after it; the game says so in its own words and leaves.
void whileConnecting(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    if (qtHandler != nullptr) qtHandler(type, context, message);
    return;
  }
  if (terminal >= 0) ::dup2(terminal, STDERR_FILENO);
  std::fputs(texts().noDisplay, stderr);
  std::_Exit(1);  // no exit handlers: they would run over a half-built application
}

}  // namespace

std::optional<int> answerCommandLine(int argc, const char* const* argv) {
  const Texts& say = texts();
  const Reading reading = read(say, argc, argv);
  switch (reading.request) {
    case Reading::Play:
      return std::nullopt;
    case Reading::Help:
      return print(say.help);
    case Reading::Version:
      return print("Quimbo " QUIMBO_VERSION "\n");
    case Reading::Refused:
      std::fputs(
          QString::fromUtf8(reading.refusal).arg(shown(reading.argument)).toUtf8().constData(),
          stderr);
      return 2;
  }
  return std::nullopt;
}

std::unique_ptr<QApplication> connectToDisplay(int& argc, char** argv) {
  // What Qt and the libraries under it print while they look for a display (the X11 and Wayland
  // libraries, the platform plugins) waits in a file: it follows on stderr once a display answered,
  // and is dropped when none did, for the one line that says so.
  std::FILE* waiting = std::tmpfile();
  terminal = waiting != nullptr ? ::dup(STDERR_FILENO) : -1;
  if (terminal >= 0) ::dup2(::fileno(waiting), STDERR_FILENO);
  qtHandler = qInstallMessageHandler(whileConnecting);
  auto application = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(qtHandler);
  if (terminal >= 0) {
    ::dup2(terminal, STDERR_FILENO);
    ::close(terminal);
    terminal = -1;
    std::rewind(waiting);
    std::array<char, 4096> buffer;
    std::size_t size = 0;
    while ((size = std::fread(buffer.data(), 1, buffer.size(), waiting)) > 0) {
      std::fwrite(buffer.data(), 1, size, stderr);
    }
  }
  if (waiting != nullptr) std::fclose(waiting);
  return application;
}

}  // namespace quimbo
