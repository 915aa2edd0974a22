// The rules around the computer's move, each a table of situations played through handle(): the
// player's clicks, the start of a match and of each round, the score captions, the end of a round
// and of a match, the menus, the link, the splash, and what the board says to a screen reader.
#include <gtest/gtest.h>

#include "core/rules/spoken.h"
#include "support/game_text.h"
#include "support/recording_platform.h"
#include "support/scripted_random.h"

namespace quimbo::test {
namespace {

using enum Field;

class Rules : public testing::Test {
 protected:
  Rules() { playersTurn(game); }
  void send(Input input) { handle(game, input); }
  void wait(Milliseconds ms) { handle(game, Input::timePasses(ms)); }
  std::string fields(std::initializer_list<Field> which) const {
    std::string texts;
    for (Field f : which) texts += "[" + form.panel.text(f) + "]";
    return texts;
  }
  std::string timers() const {  // which of Timer1..Timer5 are on: "1...." for Timer1 alone
    std::string on;
    for (const Timer* t : {&form.timer1, &form.timer2, &form.timer3, &form.timer4, &form.timer5}) {
      on += t->isEnabled() ? '1' : '.';
    }
    return on;
  }

  ScriptedRandom random;
  RecordingPlatform platform;
  Game game{random, platform};
  Form1& form = game.form1;
};

TEST_F(Rules, EachClickTargetPutsThePlayersNextPieceOnItsOwnCell) {
  // Image1..Image9 and where the piece stands: numbered round the board, the right column and the
  // bottom row at 2260, and below the top row 10 twips higher than the computer's pieces.
  const std::tuple<int, const char*, Point> kTargets[] = {
      {1, ".1. ... ...", {1320, 360}},  {2, "..1 ... ...", {2260, 360}},
      {3, "... .1. ...", {1320, 1310}}, {4, "... ..1 ...", {2260, 1310}},
      {5, "... ... ..1", {2260, 2250}}, {6, "... ... .1.", {1320, 2250}},
      {7, "... ... 1..", {360, 2250}},  {8, "... 1.. ...", {360, 1310}},
      {9, "1.. ... ...", {360, 360}}};
  for (const auto& [image, board, place] : kTargets) {
    setPosition(form, "... ... ...");
    form.panel.setText(Text27, "0");
    form.panel.setText(Text16, "1");  // the second piece is on the board: the first is next
    form.label1 = "Comenzá vos";
    send(Input::clickImage(image));
    EXPECT_EQ(boardOf(form.panel), board) << "Image" << image;
    EXPECT_EQ(form.picture(6), place) << "Image" << image;
    EXPECT_EQ(fields({Text15, Text27}) + form.label1 + timers(), "[1][1]1....") << "Image" << image;
  }
}

TEST_F(Rules, AClickThatIsNotAllowedChangesNothingAtAll) {
  const std::pair<const char*, std::function<void()>> kRefusals[] = {
      {"no match runs", [&] { form.command5Visible = true; }},
      {"the player holds the cell", [&] { setPosition(form, "... .1. ..."); }},
      {"the computer holds the cell", [&] { setPosition(form, "... .0. ..."); }},
      {"the computer has not answered", [&] { form.panel.setText(Text27, "1"); }},
      {"the computer completed a line", [&] { form.panel.setText(Text28, "0"); }},
  };
  for (const auto& [why, arrange] : kRefusals) {
    playersTurn(game);
    form.label1 = "Comienzo yo";
    arrange();
    const std::string before = stateOf(form);
    send(Input::clickImage(3));  // the centre
    EXPECT_EQ(stateOf(form), before) << why;
  }
  form.command5Visible = false;  // texts that are neither marks nor locks hold nothing back
  form.panel.setText(Text5, " 1");
  form.panel.setText(Text27, "1 ");
  form.panel.setText(Text28, "00");
  send(Input::clickImage(3));
  EXPECT_EQ(form.panel.text(Text5), "1");
}

TEST_F(Rules, EachMoveSetsTheOneTimerForWhatComesNext) {
  const std::tuple<const char*, int, const char*> kMoves[] = {
      {"1.. .0. ...", 9, "1...."},  // an ordinary move: the computer answers
      {"11. 00. ...", 3, "..1.."},  // a line: the player's round
      {"101 100 01.", 9, "....1"},  // the fifth piece fills the board: a draw
      {"101 010 01.", 9, "..1.."},  // a fifth piece that makes a line: the player's round
  };
  for (const auto& [board, cell, timers] : kMoves) {
    playersTurn(game, board);
    const int image[] = {0, 9, 1, 2, 8, 3, 4, 7, 6, 5};  // the click target of each cell
    send(Input::clickImage(image[cell]));
    EXPECT_EQ(this->timers(), timers) << board;
  }
}

TEST_F(Rules, AMatchStartsFromTheButtonAndACoinPicksWhoOpens) {
  setPosition(form, "010 110 0..");
  for (int f = 20; f <= kFieldCount; ++f) form.panel.setText(static_cast<Field>(f), "x");
  form.mjug = "    Jug: 4     ";
  form.command5Visible = true;
  random.coins({1});  // the player opens
  send({Action::PressStart});
  EXPECT_FALSE(form.command5Visible);
  EXPECT_EQ(form.mjug + form.mpc, "    Jug: 0          PC: 0     ");
  EXPECT_EQ(boardOf(form.panel) + form.label1, "... ... ...Comenzá vos");
  EXPECT_EQ(fields({Text19, Text20, Text21, Text25, Text26, Text27, Text22, Text28}),
            "[][][5][1][0][0][x][x]");
  for (int n = 1; n <= 10; ++n) EXPECT_GE(form.picture(n).left, 3360) << "Picture" << n;

  form.command5Visible = true;
  random.coins({0, 1});  // the computer opens; its die shows an edge, which it throws again
  random.cells({2});
  random.coins({1});
  random.cells({9});
  send({Action::PressStart});
  EXPECT_EQ(random.reseeds(), 4) << "before every coin, never before a die";
  EXPECT_EQ(fields({Text25, Text20, Text27}) + form.label1, "[0][9][1]Comienzo yo");
  const std::string waiting = stateOf(form);
  send(Input::clickImage(3));
  EXPECT_EQ(stateOf(form), waiting) << "the board waits for the opening piece";
  wait(999);
  EXPECT_EQ(boardOf(form.panel), "... ... ...");
  wait(1);
  EXPECT_EQ(boardOf(form.panel) + fields({Text10, Text27}) + form.label1, "... ... ..0[1][0]Comienzo yo");
  EXPECT_EQ(form.picture(1), (Point{2260, 2260}));
  for (const char* cell : {"", "0", "10", "x"}) {  // no cell to open on: nothing, but unlocked
    playersTurn(game);
    form.panel.setText(Text20, cell);
    form.panel.setText(Text27, "1");
    form.timer2.enable();
    wait(1000);
    EXPECT_EQ(boardOf(form.panel) + fields({Text27}), "... ... ...[0]") << cell;
  }
}

TEST(MatchStart, TheComputerOpensHalfTheMatchesInTheCentreOrACornerNeverAnEdge) {
  SeededRandom random(20260112);
  RecordingPlatform platform;
  Game game(random, platform);
  constexpr int kMatches = 14'000;
  int opens = 0;
  std::array<int, 10> cells{};
  for (int match = 0; match < kMatches; ++match) {
    game.form1.command5Visible = true;
    handle(game, {Action::PressStart});
    if (!game.form1.timer2.isEnabled()) continue;
    ++opens;
    ++cells[static_cast<std::size_t>(game.form1.panel.number(Text20))];
    game.form1.timer2.disable();
  }
  // About five standard deviations: a fault shows, chance does not.
  EXPECT_NEAR(opens / double(kMatches), 0.5, 0.025);
  EXPECT_NEAR(cells[5] / double(opens), 5.0 / 7.0, 0.03);
  for (int corner : {1, 3, 7, 9}) EXPECT_NEAR(cells[corner] / double(opens), 1.0 / 14.0, 0.016);
  for (int edge : {2, 4, 6, 8}) EXPECT_EQ(cells[edge], 0);
}

TEST_F(Rules, AnnouncementsScoreAtTheClickAndTheNextRoundComesASecondLater) {
  // Who won, the captions before and after the click, and the opening counter before and after.
  const std::tuple<Action, const char*, const char*, int, const char*> kRounds[] = {
      {Action::AcknowledgePlayerWin, "    Jug: 8          PC: 2     ",
       "    Jug: 10        PC: 2     ", 0, "Comenzá vos"},
      {Action::AcknowledgeComputerWin, "    Jug: 1          PC: 9     ",
       "    Jug: 1          PC: 9     ", 3, "Comienzo yo"},
      {Action::AcknowledgeComputerWin, "    Jug: 3          PC: 7     ",
       "    Jug: 3          PC: 9     ", 2, "Comenzá vos"},
      {Action::AcknowledgeDraw, "    Jug: 9          PC: 4     ",
       "    Jug: 9          PC: 5     ", 1, "Comienzo yo"},
      {Action::AcknowledgeDraw, "    Jug: 0          PC: 10   ",
       "    Jug: 1          PC: 10   ", 4, "Comenzá vos"},
  };
  for (const auto& [acknowledge, before, after, openings, next] : kRounds) {
    playersTurn(game, "110 00. 1..");
    form.mjug = std::string(before).substr(0, 15);
    form.mpc = std::string(before).substr(15);
    for (const auto& [f, text] : {std::pair{Text22, "1"}, {Text28, "0"}, {Text20, "7"},
                                  {Text21, ""}, {Text23, "1"}, {Text24, "1"}, {Text26, "2"},
                                  {Text27, "1"}}) {
      form.panel.setText(f, text);
    }
    form.panel.setNumber(Text25, openings);
    // The deciding move's timer shows its own window a second later.
    (acknowledge == Action::AcknowledgePlayerWin     ? form.timer3
     : acknowledge == Action::AcknowledgeComputerWin ? form.timer4
                                                     : form.timer5)
        .enable();
    wait(1000);
    EXPECT_EQ(form.mjug + form.mpc, before) << "not before the click";
    send({acknowledge});
    EXPECT_EQ(form.mjug + form.mpc, after);
    EXPECT_FALSE(game.form2.visible || game.form3.visible || game.form5.visible);
    wait(999);
    EXPECT_EQ(boardOf(form.panel), "110 00. 1..");
    const bool computerOpens = std::string(next) == "Comienzo yo";
    if (computerOpens) random.coins({0});  // in the centre
    wait(1);
    EXPECT_EQ(boardOf(form.panel) + form.label1, "... ... ..." + std::string(next));
    EXPECT_EQ(fields({Text22, Text25, Text26, Text23, Text24, Text20}),
              "[2][" + std::to_string(openings + 1) + "][0][0][0][" + (computerOpens ? "5]" : "7]"));
    EXPECT_EQ(fields({Text21, Text27, Text28}),
              std::string(computerOpens ? "[][1]" : "[5][0]") +
                  (acknowledge == Action::AcknowledgeDraw ? "[0]" : "[]"));
    for (int n = 1; n <= 10; ++n) EXPECT_GE(form.picture(n).left, 3360) << "Picture" << n;
    form.timer2.disable();
  }
}

TEST_F(Rules, AfterTheFifthRoundTheResultShowsAndANewMatchCanStart) {
  for (Action acknowledge : {Action::AcknowledgeComputerWin, Action::AcknowledgeDraw}) {
    playersTurn(game, "00. 11. 1..");
    form.panel.setText(Text22, "4");
    form.panel.setText(Text25, "5");
    form.mjug = "    Jug: 6     ";
    form.mpc = "     PC: 2     ";
    (acknowledge == Action::AcknowledgeDraw ? game.form5 : game.form3).visible = true;
    send({acknowledge});
    wait(1000);
    EXPECT_TRUE(game.form4.visible);
    EXPECT_EQ(game.form4.label2 + "/" + game.form4.label3,
              acknowledge == Action::AcknowledgeDraw ? "3/7" : "4/6");
    EXPECT_EQ(boardOf(form.panel) + fields({Text22, Text25, Text27}), "... ... ...[5][5][0]")
        << "no sixth round is counted or opened";
    EXPECT_FALSE(form.timer2.isEnabled() || form.command5Visible);
    send({Action::AcknowledgeResult});
    EXPECT_FALSE(game.form4.visible);
    EXPECT_TRUE(form.command5Visible);
    EXPECT_EQ(fields({Text20, Text22, Text23, Text24, Text25, Text26}) + form.label1,
              "[][0][0][0][][0]");
    EXPECT_EQ(form.mpc, acknowledge == Action::AcknowledgeDraw ? "     PC: 3     " : "     PC: 4     ")
        << "the captions keep the match's points until the next starts";
  }
  form.mpc = "     PC: 10   ";  // a caption of no known form shows no points
  form.mjug = "Jug: ?";
  form.command5Visible = false;
  game.form5.visible = true;
  form.panel.setText(Text22, "4");
  send({Action::AcknowledgeDraw});
  wait(1000);
  EXPECT_EQ(game.form4.label2 + "/" + game.form4.label3, "10/");
}

TEST_F(Rules, ClosedAnnouncementsTakeNoClick) {
  const std::string before = stateOf(form);
  for (Action a : {Action::AcknowledgePlayerWin, Action::AcknowledgeComputerWin,
                   Action::AcknowledgeDraw, Action::AcknowledgeResult}) {
    send({a});
  }
  wait(2000);
  EXPECT_EQ(stateOf(form), before);
}

TEST(ScoreCaptions, EveryCaptionHasItsExactBlanks) {
  RecordingPlatform platform;
  ScriptedRandom random;
  Game game(random, platform);
  const char* kPlayer[] = {"    Jug: 0     ", "    Jug: 1     ", "    Jug: 2     ", "    Jug: 3     ",
                           "    Jug: 4     ", "    Jug: 5     ", "    Jug: 6     ", "    Jug: 7     ",
                           "    Jug: 8     ", "    Jug: 9     ", "    Jug: 10   "};
  const char* kComputer[] = {"     PC: 0     ", "     PC: 1     ", "     PC: 2     ",
                             "     PC: 3     ", "     PC: 4     ", "     PC: 5     ",
                             "     PC: 6     ", "     PC: 7     ", "     PC: 8     ",
                             "     PC: 9     ", "     PC: 10   "};
  EXPECT_EQ(game.form1.mjug + game.form1.mpc, std::string(kPlayer[0]) + kComputer[0]);
  handle(game, Input::timePasses(kSplashTime));
  // Draws lead each caption through every form in turn; the last one stays at 10.
  for (int points = 0; points <= 10; ++points) {
    EXPECT_EQ(game.form1.mjug, kPlayer[std::min(points, 9)]) << points;
    EXPECT_EQ(game.form1.mpc, kComputer[std::min(points, 9)]) << points;
    game.form5.visible = true;
    handle(game, {Action::AcknowledgeDraw});
    handle(game, Input::timePasses(1000));
    game.form1.panel.setText(Text22, "0");
  }
  game.form1.mjug = kPlayer[8];
  game.form2.visible = true;
  handle(game, {Action::AcknowledgePlayerWin});
  EXPECT_EQ(game.form1.mjug, kPlayer[10]);
  game.form1.mpc = kComputer[8];
  game.form3.visible = true;
  handle(game, {Action::AcknowledgeComputerWin});
  EXPECT_EQ(game.form1.mpc, kComputer[10]);
}

TEST(CellDescriptions, EachCellSaysWhereItIsAndWhatStandsOnIt) {
  const char* kPlaces[] = {"superior izquierda", "superior central",   "superior derecha",
                           "central izquierda",  "central",            "central derecha",
                           "inferior izquierda", "inferior central",   "inferior derecha"};
  StatePanel panel;
  for (int cell = 1; cell <= 9; ++cell) {
    const std::string where = std::string("Casilla ") + kPlaces[cell - 1] + ": ";
    for (const auto& [mark, what] : {std::pair{"", "vacía"}, {"1", "tu ficha"}, {"0", "ficha de la PC"}}) {
      panel.setText(cellField(cell), mark);
      EXPECT_EQ(cellDescription(panel, cell), where + what);
    }
  }
}

TEST_F(Rules, TheMenusTheLinkAndTheSplash) {
  Game fresh(random, platform);
  EXPECT_TRUE(fresh.form6.visible && !fresh.form1.visible) << "the program opens on the splash";
  handle(fresh, Input::timePasses(2999));
  EXPECT_TRUE(fresh.form6.visible && !fresh.form1.visible);
  handle(fresh, Input::timePasses(1));
  EXPECT_TRUE(!fresh.form6.visible && fresh.form1.visible) << "three seconds later, the board";

  send({Action::ChooseSobre});
  send({Action::ChooseSobre});
  EXPECT_TRUE(game.form7.visible);
  send({Action::PressAceptar});
  EXPECT_FALSE(game.form7.visible);

  send({Action::ClickBanner});
  send({Action::ClickBanner});
  EXPECT_EQ(platform.opened, std::vector<std::string>(2, "https://www.rinconludico.example/"));
  EXPECT_FALSE(game.browserNotice.visible) << "an opener that started is no failure yet";
  send({Action::BrowserFailed});  // it ended without a browser
  EXPECT_TRUE(game.browserNotice.visible);
  send({Action::DismissBrowserNotice});
  platform.browserStarts = false;  // no opener at all
  send({Action::ClickBanner});
  EXPECT_TRUE(game.browserNotice.visible);

  form.timer1.enable();
  const std::string before = stateOf(form);
  send({Action::ChooseSalir});
  EXPECT_EQ(platform.quits, 1);
  for (const Input input : kEveryInput) send(input);
  wait(5000);
  EXPECT_EQ(stateOf(form), before) << "once the player has left, nothing happens";
}

TEST(StatePanel, AFieldReadAsANumberIsItsLeadingNumber) {
  const std::pair<std::string, std::int64_t> kTexts[] = {
      {"", 0}, {"5", 5}, {"   5", 5}, {"\t7", 7}, {"-3", -3}, {"+4", 4}, {"12 3", 12},
      {"5.9", 5}, {"007", 7}, {"x5", 0}, {"- 5", 0}};
  for (const auto& [text, number] : kTexts) EXPECT_EQ(readNumber(text), number) << '"' << text << '"';
  const std::int64_t huge = readNumber(std::string(40, '9'));  // saturates: counting on is safe
  EXPECT_TRUE(huge > 1'000'000'000 && huge + 1 > huge && readNumber("-" + std::string(40, '9')) == -huge);
  const StatePanel panel;
  for (int f = 1; f <= kFieldCount; ++f) {
    const bool counter = f == 22 || f == 23 || f == 24 || f == 26;
    EXPECT_EQ(panel.text(static_cast<Field>(f)), counter ? "0" : "") << "Text" << f;
  }
}

TEST(Clock, TimersTickOneIntervalAfterEnablingInDeadlineOrderUntilDisabled) {
  Clock clock;
  Timer slow(clock, 3000), first(clock, 1000), second(clock, 1000);
  std::string ticks;
  slow.onTick([&] { ticks += 'S'; });  // keeps ticking: never disabled
  first.onTick([&] { ticks += 'F'; first.disable(); });
  second.onTick([&] { ticks += '2', second.disable(), second.enable(); });  // re-armed by its tick
  clock.advance(500);
  slow.enable(), second.enable(), first.enable();
  clock.advance(300);
  first.enable();  // enabling an enabled timer does not put it off
  clock.advance(699);
  EXPECT_EQ(ticks, "");
  clock.advance(1);
  EXPECT_EQ(ticks, "2F") << "equal deadlines tick in the order they were armed";
  clock.advance(6000);
  EXPECT_EQ(ticks, "2F2S222S22");
  first.disable(), second.disable(), slow.disable();
  EXPECT_FALSE(clock.nextDeadline()) << "nothing is due while no timer is on";
}

}  // namespace
}  // namespace quimbo::test
