// The game's names beside the names of the old form the rules were first written against: every
// state field, timer, window, button and caption, so that a rule can still be read side by side
// with the form's own description of it. This is the one place in the code that speaks those
// names; the windows also give their widgets the form's names, so a picture of a window can be
// held against the form's layout control by control.
#pragma once

#include <array>
#include <string_view>

#include "core/model/clock.h"
#include "core/model/main_window_state.h"
#include "core/model/state_panel.h"

namespace quimbo::glossary {

struct Entry {
  std::string_view name;     // as the code says it
  std::string_view control;  // as the form said it
};

// The state panel's fields, in the order of Field.
inline constexpr std::array<Entry, kFieldCount> kFields{{
    {"Cell1", "Text1"},
    {"Cell2", "Text2"},
    {"Cell3", "Text3"},
    {"Cell4", "Text4"},
    {"Cell5", "Text5"},
    {"Cell6", "Text6"},
    {"Cell7", "Text7"},
    {"Cell8", "Text8"},
    {"Cell9", "Text9"},
    {"ComputerPieceOnBoard1", "Text10"},
    {"ComputerPieceOnBoard2", "Text11"},
    {"ComputerPieceOnBoard3", "Text12"},
    {"ComputerPieceOnBoard4", "Text13"},
    {"ComputerPieceOnBoard5", "Text14"},
    {"PlayerPieceOnBoard1", "Text15"},
    {"PlayerPieceOnBoard2", "Text16"},
    {"PlayerPieceOnBoard3", "Text17"},
    {"PlayerPieceOnBoard4", "Text18"},
    {"PlayerPieceOnBoard5", "Text19"},
    {"OpeningCell", "Text20"},
    {"FirstReplyMarker", "Text21"},
    {"RoundsPlayed", "Text22"},
    {"AttackPlaced", "Text23"},
    {"DefencePlaced", "Text24"},
    {"OpeningCounter", "Text25"},
    {"ComputerMoves", "Text26"},
    {"BoardLock", "Text27"},
    {"ComputerLine", "Text28"},
}};

// The main window's timers.
struct TimerEntry {
  Timer MainWindowState::*timer;
  std::string_view name;
  std::string_view control;
};
inline constexpr std::array<TimerEntry, 5> kTimers{{
    {&MainWindowState::computerMove, "computerMove", "Timer1"},
    {&MainWindowState::openingPiece, "openingPiece", "Timer2"},
    {&MainWindowState::announcePlayerWin, "announcePlayerWin", "Timer3"},
    {&MainWindowState::announceComputerWin, "announceComputerWin", "Timer4"},
    {&MainWindowState::announceDraw, "announceDraw", "Timer5"},
}};

// Everything else.
inline constexpr Entry kGlossary[] = {
    // The main window (MainWindowState) and its controls
    {"mainWindow", "Form1"},
    {"pieces[0..4], the computer's", "Picture1 .. Picture5"},
    {"pieces[5..9], the player's", "Picture6 .. Picture10"},
    {"status", "Label1"},
    {"computerScore", "mpc"},
    {"playerScore", "mjug"},
    {"startButtonVisible, Action::PressStart, startMatch()", "Command5, \"Jugar\""},
    {"computerOpens()", "Command4, \"Play\""},
    {"attack()", "Command3, \"Ataque\""},
    {"defend()", "Command2, \"Defensa\""},
    {"playByPreference()", "Command1, \"Aleatorio\""},
    {"Action::ClickCell, playerMove()", "Image1 .. Image9 (see kClickTargets)"},
    {"Action::ClickBanner, openPartnerSite()", "Image10"},
    {"Action::OpenCredits, openCredits()", "msobre, \"&Sobre \""},
    {"Action::Leave, leave()", "msalir, \" &Salir\""},
    {"Side::Computer", "Matrix"},
    {"putOpeningPiece()", "the tick of Timer2"},
    // The other windows, and the timers they own
    {"playerWon", "Form2"},
    {"computerWon", "Form3"},
    {"result", "Form4"},
    {"draw", "Form5"},
    {"splash", "Form6"},
    {"credits", "Form7"},
    {"AnnouncementState::nextRound, prepareNextRound()", "Timer1 of Form2, Form3 and Form5"},
    {"SplashState::timeUp, leaveSplash()", "Timer1 of Form6"},
    {"ResultWindowState::computerPoints", "Label2 of Form4"},
    {"ResultWindowState::playerPoints", "Label3 of Form4"},
    {"Action::CloseCredits, closeCredits()", "Command1 of Form7, \"Aceptar\""},
};

// The click target of each cell 1..9: the form numbered them round the board, not row by row.
inline constexpr std::array<std::string_view, 9> kClickTargets{
    "Image9", "Image1", "Image2", "Image8", "Image3", "Image4", "Image7", "Image6", "Image5",
};

}  // namespace quimbo::glossary
