// The main window's background: spun golden metal, lit in the middle and mirrored left-right and top-bottom.
#include "pictures.h"

#include <QColor>
#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int width = 229;
constexpr int height = 230;

double hash(std::uint32_t x, std::uint32_t y)
{
    std::uint32_t h = x * 374761393u + y * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return h / 4294967295.0;
}

double smoothNoise(double t, std::uint32_t seed)
{
    const double cell = std::floor(t);
    const double f = t - cell;
    const double blend = f * f * (3 - 2 * f);
    const auto i = static_cast<std::uint32_t>(static_cast<std::int64_t>(cell));
    return hash(i, seed) * (1 - blend) + hash(i + 1, seed) * blend;
}

double smoothstep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

double mix(double a, double b, double t)
{
    return a + (b - a) * t;
}

// Fine concentric turning marks, like gold polished on a lathe.
double spunRings(double r)
{
    return 0.5 * smoothNoise(r * 0.8, 1) + 0.3 * smoothNoise(r * 2.3, 2) + 0.2 * smoothNoise(r * 6.1, 3) - 0.5;
}

// The bright cross-shaped sheen that spun metal shows under a light.
double spunSheen(double dx, double dy)
{
    const double angle = std::atan2(dy, dx);
    const double diagonal = std::pow(std::abs(std::sin(2 * angle)), 6);
    return diagonal * smoothstep(8, 40, std::hypot(dx, dy));
}

QRgb texel(double u, double v, std::uint32_t grainX, std::uint32_t grainY)
{
    const double dx = std::abs(u - width / 2.0);
    const double dy = std::abs(v - height / 2.0);
    const double r = std::hypot(dx, dy);
    const double reach = std::hypot(width / 2.0, height / 2.0);
    const double light = std::pow(1 - smoothstep(0, 1, r / reach), 1.3);

    double red = mix(150, 236, light);
    double green = mix(94, 188, light);
    double blue = mix(30, 98, light);

    const double shine = 1 + 0.07 * spunRings(r) + 0.09 * spunSheen(dx, dy) + 0.025 * (hash(grainX, grainY) - 0.5);
    const double edge = 1 - 0.18 * smoothstep(0.7, 1.05, r / reach);
    const double gain = shine * edge;
    return qRgb(std::clamp(int(red * gain), 0, 255), std::clamp(int(green * gain), 0, 255),
                std::clamp(int(blue * gain), 0, 255));
}

} // namespace

void drawBackground(QPainter &p)
{
    // The texture is computed per device pixel, so the 2x version gets its own finer grain.
    const int scale = qRound(p.worldTransform().m11());
    QImage texture(width * scale, height * scale, QImage::Format_RGB32);
    for (int y = 0; y < texture.height(); ++y) {
        const auto grainY = static_cast<std::uint32_t>(std::min(y, texture.height() - 1 - y));
        auto *line = reinterpret_cast<QRgb *>(texture.scanLine(y));
        for (int x = 0; x < texture.width(); ++x) {
            const auto grainX = static_cast<std::uint32_t>(std::min(x, texture.width() - 1 - x));
            line[x] = texel((x + 0.5) / scale, (y + 0.5) / scale, grainX, grainY);
        }
    }
    p.drawImage(QRectF(0, 0, width, height), texture);
}
