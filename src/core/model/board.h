// Board geometry in twips: cells, lines, click targets, and where the pieces stand on and off
// the board.
#pragma once

#include <array>
#include <cstddef>

namespace quimbo {

enum class Side { Computer, Player };  // their marks are "0" and "1"

struct Point {
  int left;
  int top;
  friend constexpr bool operator==(Point, Point) = default;
};

struct Size {
  int width;
  int height;
};

inline constexpr Size kClientSize{3360, 4395};  // the main window's client area

// Cells are numbered 1..9 row by row from the top left. Each has a click target and a place for
// each side's piece. The places are not a plain grid: the right column and the bottom row stand
// at 2260 rather than 2280, and the player's pieces in the middle and bottom rows sit 10 twips
// higher than the computer's.
struct CellPlaces {
  Point target;  // top-left corner of the click target
  Point computerPiece;
  Point playerPiece;
};

inline constexpr std::array<CellPlaces, 9> kCellPlaces{{
    {{360, 360}, {360, 360}, {360, 360}},        // 1 top left
    {{1320, 360}, {1320, 360}, {1320, 360}},     // 2 top middle
    {{2280, 360}, {2260, 360}, {2260, 360}},     // 3 top right
    {{360, 1320}, {360, 1320}, {360, 1310}},     // 4 middle left
    {{1320, 1320}, {1320, 1320}, {1320, 1310}},  // 5 centre
    {{2280, 1320}, {2260, 1320}, {2260, 1310}},  // 6 middle right
    {{360, 2280}, {360, 2260}, {360, 2250}},     // 7 bottom left
    {{1320, 2280}, {1320, 2260}, {1320, 2250}},  // 8 bottom middle
    {{2280, 2280}, {2260, 2260}, {2260, 2250}},  // 9 bottom right
}};

inline constexpr Size kClickTargetSize{735, 705};

// The eight lines of three: rows, columns, diagonals.
using Line = std::array<int, 3>;
inline constexpr std::array<Line, 8> kLines{{
    {1, 2, 3}, {4, 5, 6}, {7, 8, 9},
    {1, 4, 7}, {2, 5, 8}, {3, 6, 9},
    {1, 5, 9}, {7, 5, 3},
}};

// Where a piece of `side` stands on `cell`.
constexpr Point piecePlace(int cell, Side side) {
  const CellPlaces& places = kCellPlaces[static_cast<std::size_t>(cell - 1)];
  return side == Side::Computer ? places.computerPiece : places.playerPiece;
}

// The ten pieces, the computer's five and then the player's five, off the board: where each
// stands when the window loads, and the Left each takes when parked. Anything at Left 3720 or
// beyond lies outside the client area and so is never seen.
inline constexpr std::array<Point, 10> kLoadPlaces{{
    {3720, 480}, {4560, 480}, {5400, 480}, {6240, 480}, {3720, 1320},
    {5400, 1320}, {3720, 2160}, {4560, 2160}, {4560, 1320}, {6240, 1320},
}};
inline constexpr std::array<int, 10> kParkingLefts{3720, 4560, 5400, 6240, 3720,
                                                   4560, 5400, 6240, 3720, 4560};

}  // namespace quimbo
