// The rules around the computer's move, told as stories of play.
#include "support/story.h"

namespace quimbo::test {
namespace {

using Rules = Story;

TEST_F(Rules, EachClickTargetPutsThePlayersNextPieceOnItsOwnCellAndArmsWhatFollows) {
  // Image1..Image9, numbered round the board: the cell and where the player's piece stands; the
  // right column and bottom row at 2260, and below the top row 10 twips above the computer's.
  const std::tuple<int, const char*, const char*> kTargets[] = {
      {1, ".1. ... ...", "1320,360"},  {2, "..1 ... ...", "2260,360"},
      {3, "... .1. ...", "1320,1310"}, {4, "... ..1 ...", "2260,1310"},
      {5, "... ... ..1", "2260,2250"}, {6, "... ... .1.", "1320,2250"},
      {7, "... ... 1..", "360,2250"},  {8, "... 1.. ...", "360,1310"},
      {9, "1.. ... ...", "360,360"}};
  for (const auto& [image, board, place] : kTargets) {
    story({{"board ... ... ...", ""},
           {"label Comenzá vos", ""},
           {"set Text16=1 Text15=", ""},  // the first piece still in hand goes down
           {"click " + std::to_string(image), std::string("board=") + board + "|Picture6=" + place +
                                                  "|Text15=1|Text27=1|label=|timers=1...."}});
  }
  story({{"board 11. 00. ...", ""},
         {"click 2", "timers=..1.."},  // a line: the player's round
         {"wait 1000", "shown=2"},
         {"player", ""},
         {"board 101 100 01.", ""},
         {"click 5", "timers=....1"},  // the fifth piece fills it: a draw
         {"board 101 010 01.", ""},
         {"click 5", "timers=..1.."},  // and makes a line: a win
         {"board .01 100 01.", ""},
         {"click 5", "timers=1...."}});  // the top left still free: no draw yet
}

TEST_F(Rules, AClickThatIsNotAllowedChangesNothingButTellsWhy) {
  const std::pair<const char*, const char*> kRefusals[] = {
      {"board ... ... ...|set Text27=0", ""},
      {"board ... .1. ...", "Ocupada."},
      {"board ... .0. ...", "Ocupada."},
      {"board ... .1. ...|set Text27=1", "Ocupada."},  // taken outranks the computer's second
      {"board ... ... ...|set Text27=1", "No es tu turno."},   // the computer's second
      {"board ... ... ...|set Text28=0", "No es tu turno."}};  // the computer's line
  for (const auto& [arrange, hint] : kRefusals) {
    std::istringstream steps(arrange);
    for (std::string step; std::getline(steps, step, '|');) run(step);
    if (!*hint) form.command5Visible = true;  // no match runs
    const std::string before = stateOf(form);
    const std::string why = *hint ? hint : "Todavía no hay partida: pulsá Jugar.";
    const auto heard = game.news.number;
    story({{"click 3", "hint5=" + why + "|news=" + why}});  // the centre
    EXPECT_EQ(game.news.number, heard + 1) << why << ": told again";
    EXPECT_EQ(stateOf(form), before) << why;
  }
  story({{"set Text28=", "hint5="},  // playable again: nothing to tell
         {"label Comenzá vos", ""},
         {"click 3", "board=... .1. ...|news=Pusiste tu ficha en la casilla central."}});
  story({{"board 1.. ... ...", ""}, {"click 9", "news=Ocupada."}});  // Image9, the top left
}

TEST_F(Rules, AMatchStartsFromJugarAndACoinPicksWhoOpens) {
  setPosition(form, "010 110 0..");
  for (int f = 20; f <= kFieldCount; ++f) form.panel.setText(static_cast<Field>(f), "x");
  form.command5Visible = true;
  story({{"mjug     Jug: 4     ", ""},
         {"coins 1", ""},  // the player opens
         {"jugar",
          "board=... ... ...|label=Comenzá vos|mjug=    Jug: 0     |mpc=     PC: 0     "
          "|parked=yes|shown=|"
          "Text19=|Text20=|Text21=5|Text25=1|Text26=0|Text27=0|Text22=x|Text28=x|news=Comenzá vos. "
          "Puntos: PC 0, vos 0."}});
  form.command5Visible = true;
  story({{"coins 0 1", ""},
         {"cells 2", ""},
         {"coins 1", ""},
         {"cells 9", ""},  // an edge: tossed again
         {"jugar", "Text25=0|Text20=9|Text27=1|label=Comienzo yo|news=Comienzo yo."},
         {"click 3", "board=... ... ..."},  // the board waits for the opening piece
         {"wait 999", "board=... ... ..."},
         {"wait 1",
          "board=... ... ..0|Text10=1|Text27=0|label=Comienzo yo|news=La PC jugó en la casilla "
          "inferior derecha."}});
  EXPECT_EQ(form.picture(1), (Point{2260, 2260}));
}

// Whole matches judge the scores (robustness/play_test.cpp); here, who opens the next round and
// the rest of what the click on an announcement and the next round a second later leave behind.
TEST_F(Rules, TheNextRoundComesASecondAfterTheClickWithItsCountersReset) {
  const std::string kRound =
      "set Text22=1 Text28=0 Text20=7 Text21= Text23=1 Text24=1 Text26=2 Text27=1 Text25=";
  story({{"board 110 00. 1..", ""},
         {kRound + "3", ""},
         {"timer 4", "shown="},
         {"wait 1000", "shown=3"},
         {"pc", "shown=|board=110 00. 1..|news=Puntos: PC 2, vos 0."},
         {"coins 0", ""},
         {"wait 999", "board=110 00. 1.."},
         {"wait 1",
          "board=... ... ...|label=Comienzo "
          "yo|parked=yes|Text22=2|Text25=4|Text26=0|Text23=0|Text24=0|"
          "Text20=5|Text21=|Text27=1|Text28="},
         {"board 110 00. 1..", ""},
         {kRound + "4", ""},
         {"timer 5", ""},
         {"wait 1000", "shown=5"},
         {"draw", "shown="},
         {"wait 1000",
          "board=... ... ...|label=Comenzá vos|parked=yes|Text22=2|Text25=5|"
          "Text26=0|Text20=7|Text21=5|Text27=0|Text28=0"}});
}

TEST_F(Rules, EveryScoreCaptionAndEveryCellReadsExactly) {
  const char* kPlayer[] = {"    Jug: 0     ", "    Jug: 1     ", "    Jug: 2     ",
                           "    Jug: 3     ", "    Jug: 4     ", "    Jug: 5     ",
                           "    Jug: 6     ", "    Jug: 7     ", "    Jug: 8     ",
                           "    Jug: 9     ", "    Jug: 10   "};
  const char* kComputer[] = {"     PC: 0     ", "     PC: 1     ", "     PC: 2     ",
                             "     PC: 3     ", "     PC: 4     ", "     PC: 5     ",
                             "     PC: 6     ", "     PC: 7     ", "     PC: 8     ",
                             "     PC: 9     ", "     PC: 10   "};
  for (int points = 0; points <= 10; ++points) {  // draws lead the captions through their forms
    const int shown = std::min(points, 9);
    story({{"set Text22=0", std::string("mjug=") + kPlayer[shown] + "|mpc=" + kComputer[shown]}});
    game.form5.visible = true;
    story({{"draw", ""}, {"wait 1000", ""}});
  }
  game.form2.visible = game.form3.visible = true;  // and wins from 8 to 10
  story({{std::string("mjug ") + kPlayer[8], ""},
         {std::string("mpc ") + kComputer[8], ""},
         {"player", ""},
         {"pc", std::string("mjug=") + kPlayer[10] + "|mpc=" + kComputer[10]}});
  const char* kPlaces[] = {"superior izquierda", "superior central", "superior derecha",
                           "central izquierda",  "central",          "central derecha",
                           "inferior izquierda", "inferior central", "inferior derecha"};
  for (int cell = 1; cell <= 9; ++cell) {
    for (auto [mark, what] : {std::pair{"", "vacía"}, {"1", "tu ficha"}, {"0", "ficha de la PC"}}) {
      form.panel.setText(cellField(cell), mark);
      EXPECT_EQ(cellDescription(form.panel, cell),
                std::string("Casilla ") + kPlaces[cell - 1] + ": " + what);
    }
  }
}

TEST_F(Rules, TheSplashTheMenusTheLinkAndLeaving) {
  Game fresh(random, platform);
  handle(fresh, Input::timePasses(2999));
  EXPECT_TRUE(fresh.form6.visible && !fresh.form1.visible && fresh.news.text.empty());
  handle(fresh, Input::timePasses(1));
  EXPECT_TRUE(!fresh.form6.visible && fresh.form1.visible) << "three seconds later, the board";
  EXPECT_EQ(fresh.news.text, "Pulsá Jugar para empezar.");
  story({{"sobre", "shown=7"},
         {"sobre", "shown=7"},
         {"aceptar", "shown="},
         {"banner", "shown="},  // an opener that started is no failure yet
         {"failed", "shown=notice"},
         {"dismiss", "shown="},
         {"timer 1", ""}});
  EXPECT_EQ(platform.opened, std::vector<std::string>{"https://www.rinconludico.example/"});
  platform.browserStarts = false;  // no opener at all
  story({{"banner", "shown=notice"}, {"dismiss", ""}});
  const std::string before = stateOf(form);
  story({{"salir", ""}});
  for (const Input input : kEveryInput) handle(game, input);
  handle(game, Input::timePasses(5000));
  EXPECT_EQ(stateOf(form) + std::to_string(platform.quits), before + "1")
      << "after leaving nothing happens";
}

TEST(StatePanel, AFieldReadAsANumberIsItsLeadingNumberAndTimersTickInOrder) {
  const std::pair<std::string, std::int64_t> kTexts[] = {
      {"", 0},   {"5", 5},     {"   5", 5}, {"\t7", 7}, {"-3", -3},
      {"+4", 4}, {"12 3", 12}, {"007", 7},  {"x5", 0},  {"- 5", 0}};
  for (const auto& [text, number] : kTexts) EXPECT_EQ(readNumber(text), number) << text;
  const std::int64_t huge = readNumber(std::string(40, '9'));  // saturates: counting on is safe
  EXPECT_TRUE(huge > 1e9 && huge + 1 > huge && readNumber("-" + std::string(40, '9')) == -huge);
  const StatePanel panel;
  for (int f = 1; f <= kFieldCount; ++f) {
    EXPECT_EQ(panel.text(static_cast<Field>(f)),
              f == 22 || f == 23 || f == 24 || f == 26 ? "0" : "")
        << "Text" << f;
  }
  Clock clock;
  Timer slow(clock, 3000), first(clock, 1000), second(clock, 1000);
  std::string ticks;
  slow.onTick([&] { ticks += 'S'; });  // keeps ticking: never disabled
  first.onTick([&] { ticks += 'F', first.disable(); });
  second.onTick([&] { ticks += '2', second.disable(), second.enable(); });  // re-armed by itself
  clock.advance(500);
  slow.enable(), second.enable(), first.enable();
  clock.advance(300);
  first.enable();  // enabling an enabled timer does not put it off
  clock.advance(700);
  EXPECT_EQ(ticks, "2F") << "equal deadlines tick in the order they were armed";
  clock.advance(6000);
  EXPECT_EQ(ticks, "2F2S222S22");
  first.disable(), second.disable(), slow.disable();
  EXPECT_FALSE(clock.nextDeadline()) << "nothing is due while no timer is on";
}

}  // namespace
}  // namespace quimbo::test
