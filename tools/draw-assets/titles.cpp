// The "Jugar" button, the "Quimbo" title lettering and the two decorative banners of the credits window.
#include "painting.h"
#include "pictures.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QTransform>

#include <algorithm>
#include <vector>

namespace {

struct Lettering {
    std::vector<QPainterPath> letters;
    QPointF dotCentre;
    qreal dotRadius = 0;
    QPointF ballCentre;
    qreal ballRadius = 0;
};

const QColor letterOutline(92, 38, 4);
constexpr qreal outlineWidth = 3.0;
const QPointF shadowOffset(1.3, 1.7);

// "Quimb" in bouncing, slightly tilted letters; the dot of the i is an orange ball and the final o a smiling one.
Lettering quimboLettering()
{
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(40);
    font.setHintingPreference(QFont::PreferNoHinting);

    struct Letter {
        QString text;
        qreal tilt;
        qreal lift;
    };
    const QString dotlessI(QChar(0x0131));
    const Letter letters[] = {{"Q", -7, 2}, {"u", 6, -1}, {dotlessI, -5, 1.5}, {"m", 4, -1.5}, {"b", -6, 1}};

    Lettering result;
    const qreal overlap = 1.5;
    qreal x = 0;
    for (const Letter &letter : letters) {
        QPainterPath glyph;
        glyph.addText(0, 0, font, letter.text);
        const QRectF box = glyph.boundingRect();
        QTransform place;
        place.translate(x - box.left() + box.width() / 2, -letter.lift);
        place.rotate(letter.tilt);
        place.translate(-box.left() - box.width() / 2, 0);
        result.letters.push_back(place.map(glyph));
        if (letter.text == dotlessI) {
            result.dotRadius = 5.5;
            result.dotCentre = place.map(QPointF(box.center().x(), box.top() - result.dotRadius - 3));
        }
        x += box.width() - overlap;
    }
    const qreal xHeight = QFontMetricsF(font).xHeight();
    result.ballRadius = xHeight / 2 + 1.5;
    result.ballCentre = QPointF(x + result.ballRadius, -xHeight / 2);
    return result;
}

QRectF ballBounds(QPointF centre, qreal radius)
{
    return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius};
}

// Scales and moves the lettering so that it, its outline and its shadow fill the area.
Lettering fitted(const Lettering &lettering, const QRectF &area)
{
    QRectF bounds = ballBounds(lettering.ballCentre, lettering.ballRadius) |
                    ballBounds(lettering.dotCentre, lettering.dotRadius);
    for (const QPainterPath &letter : lettering.letters)
        bounds |= letter.boundingRect();
    const qreal scale = std::min(area.width() / bounds.width(), area.height() / bounds.height());
    QTransform fit;
    fit.translate(area.center().x(), area.center().y());
    fit.scale(scale, scale);
    fit.translate(-bounds.center().x(), -bounds.center().y());

    Lettering result;
    for (const QPainterPath &letter : lettering.letters)
        result.letters.push_back(fit.map(letter));
    result.dotCentre = fit.map(lettering.dotCentre);
    result.dotRadius = lettering.dotRadius * scale;
    result.ballCentre = fit.map(lettering.ballCentre);
    result.ballRadius = lettering.ballRadius * scale;
    return result;
}

// One soft shadow under the whole outlined logo, so overlapping letters do not darken it twice.
void drawLogoShadow(QPainter &p, const Lettering &logo)
{
    QPainterPathStroker stroker;
    stroker.setWidth(outlineWidth);
    stroker.setJoinStyle(Qt::RoundJoin);
    QPainterPath silhouette;
    silhouette.setFillRule(Qt::WindingFill);
    for (const QPainterPath &letter : logo.letters) {
        silhouette.addPath(letter);
        silhouette.addPath(stroker.createStroke(letter));
    }
    const qreal rim = outlineWidth / 2;
    silhouette.addEllipse(logo.dotCentre, logo.dotRadius + rim, logo.dotRadius + rim);
    silhouette.addEllipse(logo.ballCentre, logo.ballRadius + rim, logo.ballRadius + rim);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 40, 0, 100));
    p.drawPath(silhouette.simplified().translated(shadowOffset));
    p.restore();
}

// Each letter gets its own outline, so the overlapping letters read like stacked stickers.
void drawLetter(QPainter &p, const QPainterPath &letter, const QRectF &logoBox)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(letterOutline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(letter);

    QLinearGradient gold(logoBox.topLeft(), logoBox.bottomLeft());
    gold.setColorAt(0.0, QColor(255, 242, 150));
    gold.setColorAt(0.45, QColor(255, 196, 48));
    gold.setColorAt(0.8, QColor(242, 128, 16));
    gold.setColorAt(1.0, QColor(206, 88, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(letter);

    // A glossy band across the top half of the letters.
    p.setClipPath(letter, Qt::IntersectClip);
    QLinearGradient gloss(logoBox.topLeft(), QPointF(logoBox.left(), logoBox.top() + logoBox.height() * 0.5));
    gloss.setColorAt(0.0, QColor(255, 255, 255, 150));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.drawEllipse(QRectF(logoBox.left() - logoBox.width() * 0.1, logoBox.top() - logoBox.height() * 0.55,
                         logoBox.width() * 1.2, logoBox.height()));
    p.restore();
}

void drawOutlinedBall(QPainter &p, QPointF centre, qreal radius, Piece piece)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(letterOutline);
    p.drawEllipse(centre, radius + outlineWidth / 2, radius + outlineWidth / 2);
    p.restore();
    if (piece == Piece::Computer)
        drawComputerBall(p, centre, radius);
    else
        drawPlayerBall(p, centre, radius);
}

} // namespace

void drawStartButton(QPainter &p)
{
    const QRectF tile(0, 0, 46, 45);
    drawGoldTile(p, tile);
    const QFont font = fittedFont("DejaVu Sans", 16, "Jugar", 35, QFont::Condensed);
    drawEmbossedPath(p, centredTextPath("Jugar", font, tile.center() + QPointF(0, 0.5)), palette::deepRed);
}

void drawSplashLogo(QPainter &p)
{
    const Lettering logo = fitted(quimboLettering(), QRectF(2, 2, 123.5, 41));
    QRectF letterBox;
    for (const QPainterPath &letter : logo.letters)
        letterBox |= letter.boundingRect();

    drawLogoShadow(p, logo);
    for (const QPainterPath &letter : logo.letters)
        drawLetter(p, letter, letterBox);
    drawOutlinedBall(p, logo.dotCentre, logo.dotRadius, Piece::Computer);
    drawOutlinedBall(p, logo.ballCentre, logo.ballRadius, Piece::Player);
}

void drawCreditsBannerTall(QPainter &p)
{
    const QRectF panel = drawGoldFrame(p, QRectF(0, 0, 63, 229), 5, 10);
    const qreal tile = 41;
    const qreal gap = 12;
    const qreal top = panel.center().y() - (4 * tile + 3 * gap) / 2;
    for (int i = 0; i < 4; ++i) {
        const QRectF place(panel.center().x() - tile / 2, top + i * (tile + gap), tile, tile);
        drawPieceTile(p, place, i % 2 == 0 ? Piece::Computer : Piece::Player);
        if (i > 0)
            drawGoldDiamond(p, QPointF(place.center().x(), place.top() - gap / 2), 3.2);
    }
}

void drawCreditsBannerWide(QPainter &p)
{
    const QRectF panel = drawGoldFrame(p, QRectF(0, 0, 208, 32), 4, 7);
    const qreal tile = 21;
    const qreal gap = 11;
    const int count = 6;
    const qreal left = panel.center().x() - (count * tile + (count - 1) * gap) / 2;
    for (int i = 0; i < count; ++i) {
        const QRectF place(left + i * (tile + gap), panel.center().y() - tile / 2, tile, tile);
        drawPieceTile(p, place, i % 2 == 0 ? Piece::Computer : Piece::Player);
        if (i > 0)
            drawGoldDiamond(p, QPointF(place.left() - gap / 2, place.center().y()), 2.6);
    }
}
