// Shared palette and drawing helpers for the Quimbo pictures: golden tiles, glossy balls, frames and lettering.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace palette {
inline const QColor ink{74, 36, 6};
inline const QColor deepRed{128, 30, 8};
inline const QColor embossLight{255, 248, 224};
}

enum class Piece { Computer, Player };

// A rounded golden tile with a dark rim, a bevel lit from the top left and a softly lit face.
void drawGoldTile(QPainter &p, const QRectF &rect);

// A raised golden frame around a cream panel; returns the panel rectangle.
QRectF drawGoldFrame(QPainter &p, const QRectF &rect, qreal border, qreal radius);

// The soft shadow a ball of the given radius casts on a tile.
void drawBallShadow(QPainter &p, QPointF centre, qreal radius);

// The computer's glossy orange ball.
void drawComputerBall(QPainter &p, QPointF centre, qreal radius);

// The player's glossy yellow ball; the smiley face can be left out where it would be too small to read.
void drawPlayerBall(QPainter &p, QPointF centre, qreal radius, bool smiling = true);

// A complete piece: the golden tile filling the rectangle with the ball resting on it.
void drawPieceTile(QPainter &p, const QRectF &rect, Piece piece);

// A small golden diamond used as an ornament between pieces.
void drawGoldDiamond(QPainter &p, QPointF centre, qreal halfSize);

// A bold font of the given pixel size, shrunk until the text fits in the given width.
QFont fittedFont(const QString &family, int pixelSize, const QString &text, qreal maxWidth,
                 QFont::Stretch stretch = QFont::Unstretched);

// The outline of a line of text whose visible ink is centred on the given point.
QPainterPath centredTextPath(const QString &text, const QFont &font, QPointF centre);

// Text pressed into a surface: a light copy just below the ink.
void drawEmbossedPath(QPainter &p, const QPainterPath &text, const QColor &ink);
