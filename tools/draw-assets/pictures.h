// Every Quimbo picture, each drawn in 1x coordinates onto a painter that may be scaled up.
#pragma once

#include <QPainter>
#include <QPoint>

// The fingertip of the link cursor, in 1x pixels; double it for the 2x cursor.
inline constexpr QPoint linkCursorHotSpot{10, 1};

void drawBackground(QPainter &p);
void drawComputerPiece(QPainter &p);
void drawPlayerPiece(QPainter &p);
void drawComputerPieceSmall(QPainter &p);
void drawPlayerPieceSmall(QPainter &p);
void drawIcon(QPainter &p, int size);
void drawStartButton(QPainter &p);
void drawLinkBanner(QPainter &p);
void drawLinkCursor(QPainter &p);
void drawSplashLogo(QPainter &p);
void drawCreditsBannerTall(QPainter &p);
void drawCreditsBannerWide(QPainter &p);
