// The "Rincón Lúdico" partner banner and the pointing-hand cursor shown over it.
#include "painting.h"
#include "pictures.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

#include <vector>

namespace {

struct DieFace {
    QPointF origin;
    QPointF across;
    QPointF down;
    QColor lit;
    QColor shaded;
    std::vector<QPointF> pips;
};

void drawDieFace(QPainter &p, const DieFace &face)
{
    const QPolygonF outline{face.origin, face.origin + face.across, face.origin + face.across + face.down,
                            face.origin + face.down};
    QLinearGradient light(face.origin, face.origin + face.across + face.down);
    light.setColorAt(0.0, face.lit);
    light.setColorAt(1.0, face.shaded);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawPolygon(outline);

    // Pips are placed in the face's own unit square so they lie flat on it.
    p.setTransform(QTransform(face.across.x(), face.across.y(), face.down.x(), face.down.y(), face.origin.x(),
                              face.origin.y()),
                   true);
    for (const QPointF &pip : face.pips) {
        QRadialGradient hollow(pip + QPointF(0.03, 0.03), 0.12);
        hollow.setColorAt(0.0, QColor(240, 96, 24));
        hollow.setColorAt(0.7, QColor(200, 52, 8));
        hollow.setColorAt(1.0, QColor(130, 28, 4));
        p.setBrush(hollow);
        p.drawEllipse(pip, 0.115, 0.115);
    }
    p.restore();
}

// The portal's logo: an ivory die seen from above, showing one, two and three pips.
void drawDie(QPainter &p, QPointF c, qreal a)
{
    const qreal k = 0.866 * a;
    const QPointF top(c.x(), c.y() - a);
    const QPointF upperRight(c.x() + k, c.y() - a / 2);
    const QPointF lowerRight(c.x() + k, c.y() + a / 2);
    const QPointF bottom(c.x(), c.y() + a);
    const QPointF lowerLeft(c.x() - k, c.y() + a / 2);
    const QPointF upperLeft(c.x() - k, c.y() - a / 2);

    p.save();
    p.setPen(Qt::NoPen);
    QRadialGradient shadow(c + QPointF(2, a * 0.95), a * 1.05);
    shadow.setColorAt(0.0, QColor(110, 60, 0, 110));
    shadow.setColorAt(1.0, Qt::transparent);
    p.setBrush(shadow);
    p.drawEllipse(c + QPointF(2, a * 0.95), a * 1.05, a * 0.35);
    p.restore();

    drawDieFace(p, {upperLeft, top - upperLeft, c - upperLeft, QColor(255, 254, 246), QColor(246, 236, 212),
                    {{0.5, 0.5}}});
    drawDieFace(p, {upperLeft, c - upperLeft, lowerLeft - upperLeft, QColor(246, 236, 214), QColor(222, 204, 172),
                    {{0.28, 0.28}, {0.72, 0.72}}});
    drawDieFace(p, {c, upperRight - c, bottom - c, QColor(224, 204, 168), QColor(196, 170, 128),
                    {{0.25, 0.25}, {0.5, 0.5}, {0.75, 0.75}}});

    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 112, 62), 0.7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, upperLeft);
    p.drawLine(c, upperRight);
    p.drawLine(c, bottom);
    p.setPen(QPen(palette::ink, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(QPolygonF{top, upperRight, lowerRight, bottom, lowerLeft, upperLeft});
    p.restore();
}

// The gloved hand: the index finger points up to the hot spot, the other fingers are curled.
// Straight edges sit on pixel centres so the one-pixel outline stays sharp at 1x.
QPainterPath handOutline()
{
    const qreal tipX = linkCursorHotSpot.x() + 0.5;
    const qreal tipY = linkCursorHotSpot.y() + 0.5;
    QPainterPath hand;
    hand.setFillRule(Qt::WindingFill);
    hand.addRoundedRect(QRectF(tipX - 3, tipY, 6, 17), 3, 3);
    hand.addRoundedRect(QRectF(tipX + 3, 8.5, 5, 10), 2.5, 2.5);
    hand.addRoundedRect(QRectF(tipX + 8, 10.5, 4, 9), 2, 2);
    hand.addRoundedRect(QRectF(tipX + 12, 12.5, 4, 8), 2, 2);
    hand.addRoundedRect(QRectF(tipX - 3, 14.5, 19, 12), 4, 4);

    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-4.5, -2.3, 9, 4.6), 2.3, 2.3);
    QTransform place;
    place.translate(tipX - 4.4, 18.6);
    place.rotate(45);
    hand.addPath(place.map(thumb));
    return hand.simplified();
}

QRectF cuffRect()
{
    return QRectF(linkCursorHotSpot.x() - 0.5, 24.5, 16, 5);
}

void drawFingerCreases(QPainter &p)
{
    const qreal tipX = linkCursorHotSpot.x() + 0.5;
    p.save();
    p.setPen(QPen(QColor(90, 70, 50, 150), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(tipX + 3, 12), QPointF(tipX + 3, 16.5));
    p.drawLine(QPointF(tipX + 8, 13.5), QPointF(tipX + 8, 17.5));
    p.drawLine(QPointF(tipX + 12, 15), QPointF(tipX + 12, 18.5));
    p.restore();
}

void drawCuff(QPainter &p)
{
    const QRectF cuff = cuffRect();
    QLinearGradient gold(cuff.topLeft(), cuff.bottomLeft());
    gold.setColorAt(0.0, QColor(255, 236, 160));
    gold.setColorAt(0.45, QColor(236, 176, 60));
    gold.setColorAt(1.0, QColor(176, 112, 24));
    p.save();
    p.setPen(QPen(palette::ink, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(gold);
    p.drawRoundedRect(cuff, 1.5, 1.5);
    p.restore();
}

} // namespace

void drawLinkBanner(QPainter &p)
{
    const QRectF panel = drawGoldFrame(p, QRectF(0, 0, 224, 62), 5, 9);
    drawDie(p, QPointF(panel.left() + 23, panel.center().y() - 1.5), 16.5);

    const qreal textLeft = panel.left() + 48;
    const qreal textWidth = panel.right() - 6 - textLeft;
    const qreal textCentre = textLeft + textWidth / 2;

    const QFont nameFont = fittedFont("DejaVu Sans", 19, "Rincón Lúdico", textWidth);
    QPainterPath rincon;
    rincon.addText(0, 0, nameFont, "Rincón");
    QPainterPath ludico;
    ludico.addText(QFontMetricsF(nameFont).horizontalAdvance("Rincón "), 0, nameFont, "Lúdico");
    QPainterPath whole = rincon.united(ludico);
    const QPointF nameShift = QPointF(textCentre, panel.top() + 17) - whole.boundingRect().center();
    drawEmbossedPath(p, rincon.translated(nameShift), palette::deepRed);
    drawEmbossedPath(p, ludico.translated(nameShift), QColor(206, 96, 8));

    const qreal ruleY = panel.top() + 30.5;
    QLinearGradient rule(textLeft, 0, textLeft + textWidth, 0);
    rule.setColorAt(0.0, Qt::transparent);
    rule.setColorAt(0.5, QColor(190, 130, 40));
    rule.setColorAt(1.0, Qt::transparent);
    p.fillRect(QRectF(textLeft, ruleY - 0.5, textWidth, 1), rule);
    drawGoldDiamond(p, QPointF(textCentre, ruleY), 2.2);

    QFont addressFont("DejaVu Sans");
    addressFont.setPixelSize(10);
    addressFont.setHintingPreference(QFont::PreferNoHinting);
    const QPainterPath address =
        centredTextPath("www.rinconludico.example", addressFont, QPointF(textCentre, panel.top() + 41));
    drawEmbossedPath(p, address, QColor(110, 66, 16));
}

void drawLinkCursor(QPainter &p)
{
    const QPainterPath hand = handOutline();
    p.save();
    p.setPen(Qt::NoPen);
    QPainterPath silhouette = hand;
    silhouette.addRoundedRect(cuffRect(), 1.5, 1.5);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawPath(silhouette.simplified().translated(1.2, 1.2));

    QLinearGradient glove(QPointF(4, 2), QPointF(26, 28));
    glove.setColorAt(0.0, QColor(255, 255, 255));
    glove.setColorAt(0.6, QColor(246, 243, 236));
    glove.setColorAt(1.0, QColor(214, 208, 196));
    p.setBrush(glove);
    p.setPen(QPen(QColor(36, 24, 12), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(hand);
    p.restore();

    drawFingerCreases(p);
    drawCuff(p);
}
