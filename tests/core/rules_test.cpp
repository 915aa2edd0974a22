// The rules around the computer's move, as tables of situations played through handle(): clicks,
// the start of a match and of a round, the captions, the end of a round and of a match, the menus,
// the link, the splash, and what the game says to a screen reader.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/rules/spoken.h"
#include "support/game_text.h"
#include "support/recording_platform.h"
#include "support/scripted_random.h"

namespace quimbo::test {
namespace {

using enum Field;
using Fields = std::initializer_list<std::pair<Field, const char*>>;

class Rules : public testing::Test {
 protected:
  Rules() { playersTurn(game); }
  void send(Input input) { handle(game, input); }
  void wait(Milliseconds ms) { handle(game, Input::timePasses(ms)); }
  void set(Fields fields) {
    for (auto [f, text] : fields) form.panel.setText(f, text);
  }
  std::string fields(std::initializer_list<Field> which) const {  // "[0][5]..."
    std::string texts;
    for (Field f : which) texts += "[" + form.panel.text(f) + "]";
    return texts;
  }
  std::string timers() const {  // "1...." when Timer1 alone of Timer1..Timer5 is on
    std::string on;
    for (const Timer* t : {&form.timer1, &form.timer2, &form.timer3, &form.timer4, &form.timer5})
      on += ".1"[t->isEnabled()];
    return on;
  }
  bool allParked() const {
    return std::all_of(form.pictures.begin(), form.pictures.end(),
                       [](Point p) { return p.left >= 3360; });
  }

  ScriptedRandom random;
  RecordingPlatform platform;
  Game game{random, platform};
  Form1& form = game.form1;
};

TEST_F(Rules, EachClickTargetPutsThePlayersNextPieceOnItsCellAndSetsTheTimerForWhatFollows) {
  // Image1..Image9: the cell each one is, and where the player's piece stands on it.
  const std::tuple<int, const char*, Point> kTargets[] = {
      {1, ".1. ... ...", {1320, 360}},  {2, "..1 ... ...", {2260, 360}},
      {3, "... .1. ...", {1320, 1310}}, {4, "... ..1 ...", {2260, 1310}},
      {5, "... ... ..1", {2260, 2250}}, {6, "... ... .1.", {1320, 2250}},
      {7, "... ... 1..", {360, 2250}},  {8, "... 1.. ...", {360, 1310}},
      {9, "1.. ... ...", {360, 360}}};
  for (const auto& [image, board, place] : kTargets) {
    playersTurn(game);
    set({{Text16, "1"}});  // the first piece still in hand goes down
    form.label1 = "Comenzá vos";
    send(Input::clickImage(image));
    EXPECT_EQ(boardOf(form.panel) + fields({Text15, Text27}) + form.label1 + timers(),
              board + std::string("[1][1]1...."))
        << "Image" << image;
    EXPECT_EQ(form.picture(6), place) << "Image" << image;
  }
  const std::tuple<const char*, int, const char*> kEndings[] = {
      {"11. 00. ...", 2, "..1.."},   // a line: the player's round
      {"101 100 01.", 5, "....1"},   // the fifth piece fills the board: a draw
      {"101 010 01.", 5, "..1.."}};  // a fifth piece that makes a line: the player's round
  for (const auto& [board, image, timers] : kEndings) {
    playersTurn(game, board);
    send(Input::clickImage(image));
    EXPECT_EQ(this->timers(), timers) << board;
  }
}

TEST_F(Rules, AClickThatIsNotAllowedChangesNothingButTellsWhy) {
  const std::tuple<const char*, std::function<void()>, const char*> kRefusals[] = {
      {"no match runs", [&] { form.command5Visible = true; },
       "Todavía no hay partida: pulsá Jugar."},
      {"the player holds it", [&] { setPosition(form, "... .1. ..."); }, "Ocupada."},
      {"the computer holds it", [&] { setPosition(form, "... .0. ..."); }, "Ocupada."},
      {"the computer's second",
       [&] {
         set({{Text27, "1"}});
       },
       "No es tu turno."},
      {"the computer's line",
       [&] {
         set({{Text28, "0"}});
       },
       "No es tu turno."}};
  for (const auto& [why, arrange, hint] : kRefusals) {
    playersTurn(game);
    form.label1 = "Comienzo yo";
    arrange();
    const std::string before = stateOf(form);
    EXPECT_EQ(cellHint(form, 5), hint) << why;
    send(Input::clickImage(3));  // the centre
    EXPECT_EQ(stateOf(form), before) << why;
    EXPECT_EQ(game.news.text, hint) << why << ": a screen reader hears why";
  }
  form.command5Visible = false;  // texts that are neither marks nor locks hold nothing back
  set({{Text5, " 1"}, {Text27, "1 "}, {Text28, "00"}});
  send(Input::clickImage(3));
  EXPECT_EQ(form.panel.text(Text5) + game.news.text, "1Pusiste tu ficha en la casilla central.");
}

TEST_F(Rules, AMatchStartsFromTheButtonAndACoinPicksWhoOpens) {
  setPosition(form, "010 110 0..");
  for (int f = 20; f <= kFieldCount; ++f) form.panel.setText(static_cast<Field>(f), "x");
  form.mjug = "    Jug: 4     ";
  form.command5Visible = true;
  random.coins({1});  // the player opens
  send({Action::PressStart});
  EXPECT_EQ(form.mjug + form.mpc + boardOf(form.panel) + form.label1,
            "    Jug: 0          PC: 0     ... ... ...Comenzá vos");
  EXPECT_EQ(fields({Text19, Text20, Text21, Text25, Text26, Text27, Text22, Text28}),
            "[][][5][1][0][0][x][x]");
  EXPECT_TRUE(!form.command5Visible && allParked());
  EXPECT_EQ(game.news.text, "Comenzá vos. Puntos: PC 0, vos 0.");

  form.command5Visible = true;
  random.coins({0, 1});  // the computer opens; its die shows an edge, so it tosses again
  random.cells({2});
  random.coins({1});
  random.cells({9});
  send({Action::PressStart});
  EXPECT_EQ(fields({Text25, Text20, Text27}) + form.label1, "[0][9][1]Comienzo yo");
  const std::string waiting = stateOf(form);
  send(Input::clickImage(3));
  EXPECT_EQ(stateOf(form), waiting) << "the board waits for the opening piece";
  wait(999);
  EXPECT_EQ(boardOf(form.panel), "... ... ...");
  wait(1);
  EXPECT_EQ(boardOf(form.panel) + fields({Text10, Text27}) + form.label1,
            "... ... ..0[1][0]Comienzo yo");
  EXPECT_EQ(form.picture(1), (Point{2260, 2260}));
  EXPECT_EQ(game.news.text, "La PC jugó en la casilla inferior derecha.");
  for (const char* cell : {"", "0", "10", "x"}) {  // no cell to open on: nothing, but unlocked
    playersTurn(game);
    set({{Text20, cell}, {Text27, "1"}});
    form.timer2.enable();
    wait(1000);
    EXPECT_EQ(boardOf(form.panel) + fields({Text27}), "... ... ...[0]") << cell;
  }
}

TEST(MatchStart, TheComputerOpensHalfTheMatchesInTheCentreOrACornerNeverAnEdge) {
  SeededRandom random(20260112);
  RecordingPlatform platform;
  Game game(random, platform);
  std::array<double, 10> cells{};  // 0: the player opened
  for (int match = 0; match < 14'000; ++match) {
    game.form1.command5Visible = true;
    handle(game, {Action::PressStart});
    cells[static_cast<std::size_t>(game.form1.panel.number(Text20))] += 1.0 / 7'000;
  }
  // About five standard deviations: a fault shows, chance does not.
  const double opens = 2 - cells[0];
  EXPECT_NEAR(opens, 1, 0.05);
  EXPECT_NEAR(cells[5] / opens, 5.0 / 7.0, 0.03);
  for (int corner : {1, 3, 7, 9}) EXPECT_NEAR(cells[corner] / opens, 1.0 / 14.0, 0.016);
  for (int edge : {2, 4, 6, 8}) EXPECT_EQ(cells[edge], 0);
}

TEST_F(Rules, AnAnnouncementScoresAtItsClickAndTheNextRoundComesASecondLater) {
  // The window a deciding move shows, the opening counter, and who opens the next round.
  const std::tuple<Timer Form1::*, Action, int, const char*> kRounds[] = {
      {&Form1::timer3, Action::AcknowledgePlayerWin, 0, "Comenzá vos"},
      {&Form1::timer4, Action::AcknowledgeComputerWin, 3, "Comienzo yo"},
      {&Form1::timer5, Action::AcknowledgeDraw, 1, "Comienzo yo"},
      {&Form1::timer5, Action::AcknowledgeDraw, 4, "Comenzá vos"}};
  for (const auto& [deciding, acknowledge, openings, next] : kRounds) {
    playersTurn(game, "110 00. 1..");
    set({{Text22, "1"},
         {Text28, "0"},
         {Text20, "7"},
         {Text21, ""},
         {Text23, "1"},
         {Text24, "1"},
         {Text26, "2"},
         {Text27, "1"},
         {Text25, std::to_string(openings).c_str()}});
    form.mjug = "    Jug: 1     ";
    (form.*deciding).enable();
    wait(1000);
    EXPECT_EQ(form.mjug, "    Jug: 1     ") << "not before the click";
    send({acknowledge});
    EXPECT_NE(form.mjug + form.mpc, "    Jug: 1          PC: 0     ") << "at the click";
    EXPECT_FALSE(game.form2.visible || game.form3.visible || game.form5.visible);
    wait(999);
    EXPECT_EQ(boardOf(form.panel), "110 00. 1..");
    const bool computerOpens = std::string(next) == "Comienzo yo";
    if (computerOpens) random.coins({0});  // in the centre
    wait(1);
    EXPECT_EQ(boardOf(form.panel) + form.label1, "... ... ..." + std::string(next));
    EXPECT_EQ(fields({Text22, Text25, Text26, Text23, Text24, Text20, Text21, Text27, Text28}),
              "[2][" + std::to_string(openings + 1) + "][0][0][0]" +
                  (computerOpens ? "[5][][1]" : "[7][5][0]") +
                  (acknowledge == Action::AcknowledgeDraw ? "[0]" : "[]"));
    EXPECT_TRUE(allParked());
  }
}

TEST_F(Rules, AfterTheFifthRoundTheResultShowsAndItsClickReadiesANewMatch) {
  for (Action acknowledge : {Action::AcknowledgeComputerWin, Action::AcknowledgeDraw}) {
    playersTurn(game, "00. 11. 1..");
    set({{Text22, "4"}, {Text25, "5"}});
    form.mjug = "    Jug: 6     ";
    form.mpc = "     PC: 2     ";
    (acknowledge == Action::AcknowledgeDraw ? game.form5 : game.form3).visible = true;
    send({acknowledge});
    const bool drawn = acknowledge == Action::AcknowledgeDraw;
    EXPECT_EQ(game.news.text, drawn ? "Puntos: PC 3, vos 7." : "Puntos: PC 4, vos 6.");
    wait(1000);
    EXPECT_TRUE(game.form4.visible);
    EXPECT_EQ(game.form4.label2 + "/" + game.form4.label3, drawn ? "3/7" : "4/6");
    EXPECT_EQ(boardOf(form.panel) + fields({Text22, Text25}), "... ... ...[5][5]") << "no sixth";
    EXPECT_FALSE(form.timer2.isEnabled() || form.command5Visible);
    send({Action::AcknowledgeResult});
    EXPECT_TRUE(!game.form4.visible && form.command5Visible);
    EXPECT_EQ(fields({Text20, Text22, Text23, Text24, Text25, Text26}) + form.label1,
              "[][0][0][0][][0]");
    EXPECT_EQ(pointsIn(form.mpc), drawn ? 3 : 4) << "the captions keep the match's points";
  }
  form.mpc = "     PC: 10   ";  // a caption of no known form shows no points
  form.mjug = "Jug: ?";
  form.command5Visible = false;
  game.form5.visible = true;
  set({{Text22, "4"}});
  send({Action::AcknowledgeDraw});
  wait(1000);
  EXPECT_EQ(game.form4.label2 + "/" + game.form4.label3, "10/");
  const std::string before = stateOf(form);  // closed announcements take no click
  for (Action a :
       {Action::AcknowledgePlayerWin, Action::AcknowledgeComputerWin, Action::AcknowledgeDraw})
    send({a});
  EXPECT_EQ(stateOf(form), before);
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
    EXPECT_EQ(form.mjug + form.mpc,
              std::string(kPlayer[std::min(points, 9)]) + kComputer[std::min(points, 9)]);
    game.form5.visible = true;
    send({Action::AcknowledgeDraw});
    wait(1000);
    set({{Text22, "0"}});
  }
  form.mjug = kPlayer[8];
  form.mpc = kComputer[8];
  game.form2.visible = game.form3.visible = true;  // and wins from 8 to 10
  send({Action::AcknowledgePlayerWin});
  send({Action::AcknowledgeComputerWin});
  EXPECT_EQ(form.mjug + form.mpc, std::string(kPlayer[10]) + kComputer[10]);

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

TEST_F(Rules, TheSplashTheMenusAndTheLink) {
  Game fresh(random, platform);
  handle(fresh, Input::timePasses(2999));
  EXPECT_TRUE(fresh.form6.visible && !fresh.form1.visible && fresh.news.text.empty());
  handle(fresh, Input::timePasses(1));
  EXPECT_TRUE(!fresh.form6.visible && fresh.form1.visible) << "three seconds later, the board";
  EXPECT_EQ(fresh.news.text, "Pulsá Jugar para empezar.");
  const auto told = fresh.news.number;
  handle(fresh, Input::timePasses(1000));
  EXPECT_EQ(fresh.news.number, told) << "said once";

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

TEST(StatePanel, AFieldReadAsANumberIsItsLeadingNumberAndTimersTickInOrder) {
  const std::pair<std::string, std::int64_t> kTexts[] = {
      {"", 0},   {"5", 5},     {"   5", 5}, {"\t7", 7}, {"-3", -3},
      {"+4", 4}, {"12 3", 12}, {"007", 7},  {"x5", 0},  {"- 5", 0}};
  for (const auto& [text, number] : kTexts) EXPECT_EQ(readNumber(text), number) << text;
  const std::int64_t huge = readNumber(std::string(40, '9'));  // saturates: counting on is safe
  EXPECT_TRUE(huge > 1e9 && huge + 1 > huge && readNumber("-" + std::string(40, '9')) == -huge);
  const StatePanel panel;
  for (int f = 1; f <= kFieldCount; ++f) {
    const bool counter = f == 22 || f == 23 || f == 24 || f == 26;
    EXPECT_EQ(panel.text(static_cast<Field>(f)), counter ? "0" : "") << "Text" << f;
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
