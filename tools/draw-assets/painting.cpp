// Shared drawing helpers for the Quimbo pictures: golden tiles, glossy balls, golden frames and embossed text.
#include "painting.h"

#include <QLinearGradient>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>

namespace {

struct BallColours {
    QColor light;
    QColor body;
    QColor shade;
    QColor rim;
    QColor outline;
    QColor bounce;
};

const BallColours orangeColours{
    {255, 220, 160}, {255, 142, 32}, {226, 92, 6}, {150, 48, 0}, {112, 36, 0}, {255, 196, 90, 120}};
const BallColours yellowColours{
    {255, 253, 214}, {255, 226, 48}, {238, 178, 0}, {168, 106, 0}, {122, 78, 0}, {255, 244, 170, 130}};

void drawBallBody(QPainter &p, QPointF c, qreal r, const BallColours &colours)
{
    p.save();
    QRadialGradient body(c + QPointF(-0.12 * r, -0.18 * r), 1.2 * r, c + QPointF(-0.38 * r, -0.45 * r));
    body.setColorAt(0.0, colours.light);
    body.setColorAt(0.32, colours.body);
    body.setColorAt(0.72, colours.shade);
    body.setColorAt(1.0, colours.rim);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(c, r, r);

    // Warm light bouncing back from the tile onto the underside.
    QPainterPath ball;
    ball.addEllipse(c, r, r);
    p.setClipPath(ball, Qt::IntersectClip);
    QRadialGradient bounce(c + QPointF(0.15 * r, 0.95 * r), 0.75 * r);
    bounce.setColorAt(0.0, colours.bounce);
    bounce.setColorAt(1.0, Qt::transparent);
    p.setBrush(bounce);
    p.drawEllipse(c, r, r);
    p.restore();

    p.save();
    QColor outline = colours.outline;
    outline.setAlpha(170);
    p.setPen(QPen(outline, std::max(0.6, 0.06 * r)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
    p.restore();
}

void drawBallGloss(QPainter &p, QPointF c, qreal r)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.translate(c + QPointF(-0.3 * r, -0.5 * r));
    p.rotate(-32);
    const QRectF spot(-0.44 * r, -0.25 * r, 0.88 * r, 0.5 * r);
    QLinearGradient gloss(spot.topLeft(), spot.bottomLeft());
    gloss.setColorAt(0.0, QColor(255, 255, 255, 240));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 25));
    p.setBrush(gloss);
    p.drawEllipse(spot);
    p.restore();

    // A faint rim highlight on the opposite side makes the ball read as glass-smooth.
    p.save();
    QPainterPath rim;
    rim.arcMoveTo(QRectF(c.x() - 0.8 * r, c.y() - 0.8 * r, 1.6 * r, 1.6 * r), 290);
    rim.arcTo(QRectF(c.x() - 0.8 * r, c.y() - 0.8 * r, 1.6 * r, 1.6 * r), 290, 60);
    p.setPen(QPen(QColor(255, 255, 255, 90), std::max(0.5, 0.09 * r), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rim);
    p.restore();
}

void drawSmileyFace(QPainter &p, QPointF c, qreal r)
{
    const QColor ink(96, 46, 4);
    p.save();
    p.setPen(Qt::NoPen);

    QColor blush(255, 120, 60, 70);
    for (const qreal side : {-1.0, 1.0}) {
        QRadialGradient cheek(c + QPointF(side * 0.56 * r, 0.18 * r), 0.22 * r);
        cheek.setColorAt(0.0, blush);
        cheek.setColorAt(1.0, Qt::transparent);
        p.setBrush(cheek);
        p.drawEllipse(c + QPointF(side * 0.56 * r, 0.18 * r), 0.22 * r, 0.22 * r);
    }

    p.setBrush(ink);
    const qreal eyeWidth = std::max(0.55, 0.085 * r);
    const qreal eyeHeight = std::max(0.75, 0.14 * r);
    for (const qreal side : {-1.0, 1.0})
        p.drawEllipse(c + QPointF(side * 0.3 * r, -0.14 * r), eyeWidth, eyeHeight);

    const QRectF arc(c.x() - 0.5 * r, c.y() - 0.44 * r, r, 0.9 * r);
    QPainterPath smile;
    smile.arcMoveTo(arc, 208);
    smile.arcTo(arc, 208, 124);
    p.setPen(QPen(ink, std::max(0.8, 0.11 * r), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(smile);
    p.restore();
}

} // namespace

void drawGoldTile(QPainter &p, const QRectF &rect)
{
    const qreal side = std::min(rect.width(), rect.height());
    const qreal radius = side * 0.18;
    const qreal rim = std::max(1.0, side * 0.022);
    const qreal bevel = std::max(1.5, side * 0.07);

    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(124, 74, 14));
    p.drawRoundedRect(rect, radius, radius);

    const QRectF bevelRect = rect.adjusted(rim, rim, -rim, -rim);
    QLinearGradient bevelLight(bevelRect.topLeft(), bevelRect.bottomRight());
    bevelLight.setColorAt(0.0, QColor(255, 247, 212));
    bevelLight.setColorAt(0.45, QColor(240, 200, 104));
    bevelLight.setColorAt(1.0, QColor(166, 104, 26));
    p.setBrush(bevelLight);
    p.drawRoundedRect(bevelRect, radius - rim, radius - rim);

    const QRectF face = bevelRect.adjusted(bevel, bevel, -bevel, -bevel);
    const qreal faceRadius = std::max(1.0, radius - rim - 0.7 * bevel);
    QLinearGradient faceLight(face.topLeft(), face.bottomLeft());
    faceLight.setColorAt(0.0, QColor(250, 222, 142));
    faceLight.setColorAt(0.55, QColor(240, 198, 108));
    faceLight.setColorAt(1.0, QColor(226, 170, 74));
    p.setBrush(faceLight);
    p.drawRoundedRect(face, faceRadius, faceRadius);

    QPainterPath facePath;
    facePath.addRoundedRect(face, faceRadius, faceRadius);
    p.setClipPath(facePath, Qt::IntersectClip);
    QRadialGradient sheen(face.topLeft() + QPointF(face.width() * 0.3, face.height() * 0.2), side * 0.55);
    sheen.setColorAt(0.0, QColor(255, 252, 232, 120));
    sheen.setColorAt(1.0, Qt::transparent);
    p.setBrush(sheen);
    p.drawRect(face);
    p.restore();
}

QRectF drawGoldFrame(QPainter &p, const QRectF &rect, qreal border, qreal radius)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(112, 66, 12));
    p.drawRoundedRect(rect, radius, radius);

    const QRectF outer = rect.adjusted(1, 1, -1, -1);
    QLinearGradient raised(outer.topLeft(), outer.bottomRight());
    raised.setColorAt(0.0, QColor(255, 243, 196));
    raised.setColorAt(0.5, QColor(232, 182, 82));
    raised.setColorAt(1.0, QColor(170, 108, 28));
    p.setBrush(raised);
    p.drawRoundedRect(outer, radius - 1, radius - 1);

    const qreal half = (border - 1) / 2;
    const QRectF inner = outer.adjusted(half, half, -half, -half);
    QLinearGradient sunk(inner.topLeft(), inner.bottomRight());
    sunk.setColorAt(0.0, QColor(196, 136, 44));
    sunk.setColorAt(0.5, QColor(236, 192, 96));
    sunk.setColorAt(1.0, QColor(255, 236, 172));
    p.setBrush(sunk);
    p.drawRoundedRect(inner, radius - 1 - half * 0.7, radius - 1 - half * 0.7);

    const QRectF panel = rect.adjusted(border, border, -border, -border);
    const qreal panelRadius = std::max(1.0, radius - border * 0.8);
    p.setBrush(QColor(140, 86, 20));
    p.drawRoundedRect(panel, panelRadius, panelRadius);
    const QRectF surface = panel.adjusted(0.8, 0.8, -0.8, -0.8);
    QLinearGradient paper(surface.topLeft(), surface.bottomLeft());
    paper.setColorAt(0.0, QColor(255, 249, 228));
    paper.setColorAt(1.0, QColor(248, 226, 176));
    p.setBrush(paper);
    p.drawRoundedRect(surface, panelRadius - 0.8, panelRadius - 0.8);

    // A soft inner shadow under the top and left edges of the frame.
    QPainterPath surfacePath;
    surfacePath.addRoundedRect(surface, panelRadius - 0.8, panelRadius - 0.8);
    p.setClipPath(surfacePath, Qt::IntersectClip);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 70, 10, 60), 2.4));
    p.drawRoundedRect(surface.adjusted(-0.4, -0.4, 1.6, 1.6), panelRadius, panelRadius);
    p.restore();
    return surface;
}

void drawBallShadow(QPainter &p, QPointF c, qreal r)
{
    p.save();
    p.setPen(Qt::NoPen);
    const QPointF shadowCentre = c + QPointF(0.14 * r, 0.2 * r);
    QRadialGradient shadow(shadowCentre, 1.14 * r);
    shadow.setColorAt(0.0, QColor(96, 52, 0, 150));
    shadow.setColorAt(0.78, QColor(96, 52, 0, 100));
    shadow.setColorAt(1.0, Qt::transparent);
    p.setBrush(shadow);
    p.drawEllipse(shadowCentre, 1.14 * r, 1.14 * r);
    p.restore();
}

void drawComputerBall(QPainter &p, QPointF centre, qreal radius)
{
    drawBallBody(p, centre, radius, orangeColours);
    drawBallGloss(p, centre, radius);
}

void drawPlayerBall(QPainter &p, QPointF centre, qreal radius, bool smiling)
{
    drawBallBody(p, centre, radius, yellowColours);
    if (smiling)
        drawSmileyFace(p, centre, radius);
    drawBallGloss(p, centre, radius);
}

void drawPieceTile(QPainter &p, const QRectF &rect, Piece piece)
{
    drawGoldTile(p, rect);
    const qreal side = std::min(rect.width(), rect.height());
    const qreal radius = side * 0.335;
    const QPointF centre = rect.center() - QPointF(side * 0.02, side * 0.03);
    drawBallShadow(p, centre, radius);
    if (piece == Piece::Computer)
        drawComputerBall(p, centre, radius);
    else
        drawPlayerBall(p, centre, radius);
}

void drawGoldDiamond(QPainter &p, QPointF c, qreal h)
{
    const QPolygonF diamond{c + QPointF(0, -h), c + QPointF(h, 0), c + QPointF(0, h), c + QPointF(-h, 0)};
    QLinearGradient gold(c + QPointF(-h, -h), c + QPointF(h, h));
    gold.setColorAt(0.0, QColor(255, 240, 180));
    gold.setColorAt(0.5, QColor(232, 170, 60));
    gold.setColorAt(1.0, QColor(160, 96, 20));
    p.save();
    p.setPen(QPen(QColor(120, 70, 12), std::max(0.6, h * 0.16), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(gold);
    p.drawPolygon(diamond);
    p.restore();
}

QFont fittedFont(const QString &family, int pixelSize, const QString &text, qreal maxWidth, QFont::Stretch stretch)
{
    QFont font(family);
    font.setBold(true);
    font.setStretch(stretch);
    font.setHintingPreference(QFont::PreferNoHinting);
    for (; pixelSize > 6; --pixelSize) {
        font.setPixelSize(pixelSize);
        QPainterPath path;
        path.addText(0, 0, font, text);
        if (path.boundingRect().width() <= maxWidth)
            break;
    }
    return font;
}

QPainterPath centredTextPath(const QString &text, const QFont &font, QPointF centre)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path.translated(centre - path.boundingRect().center());
}

void drawEmbossedPath(QPainter &p, const QPainterPath &text, const QColor &ink)
{
    p.save();
    p.setPen(Qt::NoPen);
    QColor light = palette::embossLight;
    light.setAlpha(200);
    p.setBrush(light);
    p.drawPath(text.translated(0.6, 0.9));
    p.setBrush(ink);
    p.drawPath(text);
    p.restore();
}
