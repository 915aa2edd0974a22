// Fields and captions holding any text, as another program or a bug could leave them: no handler
// crashes or hangs; unexpected texts simply match no case.
#include <gtest/gtest.h>

#include <array>
#include <random>

#include "robustness/actions.h"
#include "support/recording_platform.h"

namespace quimbo::test {
namespace {

const std::array<std::string, 22> kTexts{
    "", "0", "1", "5", "9", " 1", "1 ", "01", "-1", "+5", "5x", "x", "10", "1.5", "\t3",
    "99999999999999999999999", "-99999999999999999999999", "Jug", "     PC: 10   ",
    "    Jug: 9     ", "Comenzá vos", std::string(300, '7'),
};

TEST(UnexpectedTexts, NoHandlerCrashesOrHangsWhateverTheFieldsHold) {
  for (std::uint64_t seed = 1; seed <= 1500; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    SeededRandom random(seed);
    RecordingPlatform platform;
    Game game(random, platform);
    std::mt19937_64 choice(seed);
    auto anyText = [&] { return kTexts[choice() % kTexts.size()]; };

    for (int step = 0; step < 120; ++step) {
      if (choice() % 4 == 0) {
        switch (choice() % 4) {
          case 0: game.form1.mjug = anyText(); break;
          case 1: game.form1.mpc = anyText(); break;
          case 2: game.form1.command5Visible = !game.form1.command5Visible; break;
          default: break;
        }
        const auto field = static_cast<Field>(choice() % kFieldCount + 1);
        game.form1.panel.setText(field, anyText());
      }
      perform(game, decodeAction(static_cast<std::uint8_t>(choice()), static_cast<std::uint8_t>(choice())));
    }
    // Even so, every field still reads as some number and the captions are still texts.
    for (int f = 1; f <= kFieldCount; ++f) (void)game.form1.panel.number(static_cast<Field>(f));
  }
  SUCCEED() << "every handler returned";
}

}  // namespace
}  // namespace quimbo::test
