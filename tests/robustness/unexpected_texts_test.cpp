// Fields and captions holding any text, as another program or a bug could leave them: no handler
// crashes or hangs (a hang would stop the test); unexpected texts simply match no case.
#include <gtest/gtest.h>

#include <random>

#include "robustness/actions.h"
#include "support/recording_platform.h"

namespace quimbo::test {
namespace {

TEST(UnexpectedTexts, NoHandlerCrashesOrHangsWhateverTheFieldsHold) {
  const std::string texts[] = {
      "", "0", "1", "5", " 1", "1 ", "01", "-1", "+5", "5x", "x", "10", "\t3",
      std::string(30, '9'), "-" + std::string(30, '9'), "     PC: 10   ", "Comenzá vos",
      std::string(300, '7')};
  for (std::uint64_t seed = 1; seed <= 1500; ++seed) {
    SeededRandom random(seed);
    RecordingPlatform platform;
    Game game(random, platform);
    std::mt19937_64 choice(seed);
    for (int step = 0; step < 120; ++step) {
      if (choice() % 4 == 0) {
        const std::string& text = texts[choice() % std::size(texts)];
        switch (choice() % 4) {
          case 0: game.form1.mjug = text; break;
          case 1: game.form1.mpc = text; break;
          case 2: game.form1.command5Visible = !game.form1.command5Visible; break;
          default: game.form1.panel.setText(static_cast<Field>(choice() % kFieldCount + 1), text);
        }
      }
      const auto kind = static_cast<std::uint8_t>(choice());
      handle(game, decodeInput(kind, static_cast<std::uint8_t>(choice())));
    }
  }
}

}  // namespace
}  // namespace quimbo::test
