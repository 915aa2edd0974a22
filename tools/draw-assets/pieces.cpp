// The two playing pieces in both sizes, and the application icon built from them.
#include "painting.h"
#include "pictures.h"

#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace {

// The board on the icon in whole pixels: the outer cells are equal and the middle one takes what is left,
// so the grid stays sharp and symmetric at every size.
struct IconBoard {
    qreal origin;
    qreal extent;
    qreal line;
    qreal outerCell;

    qreal lineStart(int index) const
    {
        return index == 0 ? origin + outerCell : origin + extent - outerCell - line;
    }
    QRectF rect() const { return {origin, origin, extent, extent}; }
};

IconBoard iconBoard(int size)
{
    const qreal line = std::max(1, int(std::lround(size / 28.0)));
    // At 16 pixels the board needs every pixel it can get, even over the tile's bevel.
    const qreal margin = size < 24 ? 1 : std::round(size * 0.13);
    const qreal extent = size - 2 * margin;
    return {margin, extent, line, std::floor((extent - 2 * line) / 3)};
}

// A recessed golden-brown board, like the one in the game window.
void drawIconBoardPanel(QPainter &p, const IconBoard &board, int size)
{
    const QRectF panel = board.rect();
    const qreal radius = std::max(1.0, size * 0.06);
    p.save();
    p.setPen(Qt::NoPen);
    QRadialGradient wood(panel.center(), panel.width() * 0.75);
    wood.setColorAt(0.0, QColor(230, 178, 84));
    wood.setColorAt(1.0, QColor(180, 112, 34));
    p.setBrush(wood);
    p.drawRoundedRect(panel, radius, radius);

    QPainterPath recess;
    recess.addRoundedRect(panel, radius, radius);
    p.setClipPath(recess, Qt::IntersectClip);
    const qreal depth = std::max(1.0, size / 40.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(90, 50, 0, 110), 2 * depth));
    p.drawRoundedRect(panel.adjusted(0, 0, depth, depth), radius, radius);
    p.restore();
}

void drawIconGrid(QPainter &p, const IconBoard &board, int size)
{
    const qreal inset = std::round(board.outerCell * 0.08);
    const qreal from = board.origin + inset;
    const qreal length = board.extent - 2 * inset;
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 2; ++i) {
        const qreal at = board.lineStart(i);
        if (size >= 48) {
            p.setBrush(QColor(110, 60, 4, 120));
            p.drawRect(QRectF(at + board.line * 0.5, from + board.line * 0.5, board.line, length));
            p.drawRect(QRectF(from + board.line * 0.5, at + board.line * 0.5, length, board.line));
        }
        p.setBrush(QColor(255, 252, 240));
        p.drawRect(QRectF(at, from, board.line, length));
        p.drawRect(QRectF(from, at, length, board.line));
    }
    p.restore();
}

} // namespace

void drawComputerPiece(QPainter &p)
{
    drawPieceTile(p, QRectF(0, 0, 49, 46), Piece::Computer);
}

void drawPlayerPiece(QPainter &p)
{
    drawPieceTile(p, QRectF(0, 0, 45, 47), Piece::Player);
}

void drawComputerPieceSmall(QPainter &p)
{
    drawPieceTile(p, QRectF(0, 0, 35, 33), Piece::Computer);
}

void drawPlayerPieceSmall(QPainter &p)
{
    drawPieceTile(p, QRectF(0, 0, 32, 34), Piece::Player);
}

void drawIcon(QPainter &p, int size)
{
    // How much detail fits depends on the pixels actually drawn, so the 2x icon gets the smiley face.
    const qreal pixels = size * p.worldTransform().m11();
    drawGoldTile(p, QRectF(0, 0, size, size));
    const IconBoard board = iconBoard(size);
    drawIconBoardPanel(p, board, size);
    drawIconGrid(p, board, size);

    // Small icons get bigger balls, kept inside the board even where they cover the grid lines.
    const qreal radius = board.outerCell * (pixels >= 32 ? 0.44 : 0.62);
    const qreal corner = board.origin + std::max(board.outerCell / 2, radius + 0.5);
    const QPointF computer(corner, corner);
    const QPointF player(size / 2.0, size / 2.0);
    if (pixels >= 32) {
        drawBallShadow(p, computer, radius);
        drawBallShadow(p, player, radius);
    }
    drawComputerBall(p, computer, radius);
    drawPlayerBall(p, player, radius, pixels >= 48);
}
