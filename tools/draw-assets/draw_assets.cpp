// Draws every Quimbo picture at 1x and 2x and writes them as PNG files into the given folder.
#include "pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QSize>
#include <QTextStream>

#include <functional>
#include <vector>

namespace {

struct Picture {
    QString name;
    QSize size;
    std::function<void(QPainter &)> draw;
    bool alsoDoubleSize = true;
};

std::vector<Picture> allPictures()
{
    std::vector<Picture> pictures{
        {"background", {229, 230}, drawBackground},
        {"computer_piece", {49, 46}, drawComputerPiece},
        {"player_piece", {45, 47}, drawPlayerPiece},
        {"computer_piece_small", {35, 33}, drawComputerPieceSmall},
        {"player_piece_small", {32, 34}, drawPlayerPieceSmall},
        {"start_button", {46, 45}, drawStartButton},
        {"link_banner", {224, 62}, drawLinkBanner},
        {"link_cursor", {32, 32}, drawLinkCursor},
        {"splash_logo", {129, 46}, drawSplashLogo},
        {"credits_banner_tall", {63, 229}, drawCreditsBannerTall},
        {"credits_banner_wide", {208, 32}, drawCreditsBannerWide},
        {"icon", {32, 32}, [](QPainter &p) { drawIcon(p, 32); }},
    };
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        pictures.push_back({QString("icon-%1").arg(size), {size, size}, [size](QPainter &p) { drawIcon(p, size); },
                            false});
    return pictures;
}

bool render(const Picture &picture, int scale, const QDir &folder, QTextStream &out)
{
    QImage image(picture.size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                               QPainter::SmoothPixmapTransform);
        painter.scale(scale, scale);
        picture.draw(painter);
    }
    const QString file = picture.name + (scale == 1 ? QString() : QString("@%1x").arg(scale)) + ".png";
    if (!image.save(folder.filePath(file))) {
        out << "could not write " << folder.filePath(file) << Qt::endl;
        return false;
    }
    out << file << "  " << image.width() << "x" << image.height() << Qt::endl;
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        out << "usage: draw_assets <output folder>" << Qt::endl;
        return 2;
    }
    QDir folder(arguments.at(1));
    if (!folder.mkpath(".")) {
        out << "could not create " << folder.path() << Qt::endl;
        return 1;
    }

    bool ok = true;
    for (const Picture &picture : allPictures()) {
        ok = render(picture, 1, folder, out) && ok;
        if (picture.alsoDoubleSize)
            ok = render(picture, 2, folder, out) && ok;
    }
    out << "link_cursor hot spot: (" << linkCursorHotSpot.x() << ", " << linkCursorHotSpot.y() << ") at 1x, ("
        << 2 * linkCursorHotSpot.x() << ", " << 2 * linkCursorHotSpot.y() << ") at 2x" << Qt::endl;
    return ok ? 0 : 1;
}
