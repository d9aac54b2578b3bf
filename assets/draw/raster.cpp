#include "assets/draw/raster.h"

#include <algorithm>
#include <cassert>
#include <deque>

namespace assets::draw {
namespace {

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    assert(b > 0);
    const std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

}  // namespace

std::int64_t divRound(std::int64_t a, std::int64_t b) {
    return floorDiv(2 * a + b, 2 * b);
}

std::int64_t isqrt(std::int64_t n) {
    assert(n >= 0);
    std::int64_t lo = 0;
    std::int64_t hi = 3037000499;  // floor(sqrt(2^63 - 1))
    while (lo < hi) {
        const std::int64_t mid = lo + (hi - lo + 1) / 2;
        if (mid <= n / mid) {
            lo = mid;
        } else {
            hi = mid - 1;
        }
    }
    return lo;
}

std::int64_t distanceSquared(Point a, Point b) {
    const std::int64_t dx = a.x - b.x;
    const std::int64_t dy = a.y - b.y;
    return dx * dx + dy * dy;
}

std::vector<Point> catmullRom(const std::vector<Point>& through, int samples) {
    assert(through.size() >= 2 && samples > 0);
    std::vector<Point> ext;
    ext.push_back({2 * through[0].x - through[1].x, 2 * through[0].y - through[1].y});
    ext.insert(ext.end(), through.begin(), through.end());
    const Point& last = through[through.size() - 1];
    const Point& before = through[through.size() - 2];
    ext.push_back({2 * last.x - before.x, 2 * last.y - before.y});

    const std::int64_t n = samples;
    const std::int64_t denominator = 2 * n * n * n;
    auto blend = [&](std::int64_t p0, std::int64_t p1, std::int64_t p2, std::int64_t p3,
                     std::int64_t k) {
        // 2 n^3 P(k / n) for the uniform Catmull-Rom spline, exactly.
        const std::int64_t value = 2 * p1 * n * n * n + (p2 - p0) * k * n * n +
                                   (2 * p0 - 5 * p1 + 4 * p2 - p3) * k * k * n +
                                   (-p0 + 3 * p1 - 3 * p2 + p3) * k * k * k;
        return divRound(value, denominator);
    };
    std::vector<Point> out;
    for (std::size_t span = 0; span + 3 < ext.size(); ++span) {
        const Point p0 = ext[span], p1 = ext[span + 1], p2 = ext[span + 2], p3 = ext[span + 3];
        for (std::int64_t k = 0; k < n; ++k) {
            out.push_back({blend(p0.x, p1.x, p2.x, p3.x, k), blend(p0.y, p1.y, p2.y, p3.y, k)});
        }
    }
    out.push_back(last);
    return out;
}

std::vector<Point> bezier(Point a, Point c, Point b, int samples) {
    assert(samples > 0);
    const std::int64_t n = samples;
    std::vector<Point> out;
    for (std::int64_t k = 0; k <= n; ++k) {
        const std::int64_t u = n - k;
        auto coord = [&](std::int64_t pa, std::int64_t pc, std::int64_t pb) {
            return divRound(u * u * pa + 2 * u * k * pc + k * k * pb, n * n);
        };
        out.push_back({coord(a.x, c.x, b.x), coord(a.y, c.y, b.y)});
    }
    return out;
}

Mask::Mask(int w, int h)
    : width(w), height(h), bits(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0) {}

bool Mask::test(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return false;
    return bits[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                static_cast<std::size_t>(x)] != 0;
}

void Mask::set(int x, int y, bool on) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    bits[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
         static_cast<std::size_t>(x)] = on ? 1 : 0;
}

Mask& Mask::operator|=(const Mask& other) {
    assert(width == other.width && height == other.height);
    for (std::size_t i = 0; i < bits.size(); ++i) bits[i] |= other.bits[i];
    return *this;
}

Mask polygonMask(int width, int height, const std::vector<Point>& polygon) {
    Mask mask(width, height);
    std::vector<std::int64_t> crossings;
    for (int row = 0; row < height; ++row) {
        const std::int64_t yc = row * kSub + kSub / 2;
        crossings.clear();
        for (std::size_t i = 0; i < polygon.size(); ++i) {
            Point p = polygon[i];
            Point q = polygon[(i + 1) % polygon.size()];
            if (p.y > q.y) std::swap(p, q);
            if (!(p.y <= yc && yc < q.y)) continue;
            crossings.push_back(p.x + floorDiv((yc - p.y) * (q.x - p.x), q.y - p.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            for (int x = 0; x < width; ++x) {
                const std::int64_t xc = x * kSub + kSub / 2;
                if (xc >= crossings[i] && xc < crossings[i + 1]) mask.set(x, row);
            }
        }
    }
    return mask;
}

Mask capsuleMask(int width, int height, Point a, Point b, std::int64_t radius) {
    Mask mask(width, height);
    const std::int64_t dx = b.x - a.x;
    const std::int64_t dy = b.y - a.y;
    const std::int64_t length2 = dx * dx + dy * dy;
    const std::int64_t r2 = radius * radius;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Point p = pixelCentre(x, y);
            const std::int64_t t = (p.x - a.x) * dx + (p.y - a.y) * dy;
            bool inside = false;
            if (length2 == 0 || t <= 0) {
                inside = distanceSquared(p, a) <= r2;
            } else if (t >= length2) {
                inside = distanceSquared(p, b) <= r2;
            } else {
                const std::int64_t cross = (p.x - a.x) * dy - (p.y - a.y) * dx;
                inside = cross * cross <= r2 * length2;
            }
            if (inside) mask.set(x, y);
        }
    }
    return mask;
}

std::vector<int> depthMap(const Mask& mask) {
    const int w = mask.width;
    const int h = mask.height;
    std::vector<int> depth(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
    auto index = [w](int x, int y) {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(w) +
               static_cast<std::size_t>(x);
    };
    constexpr int kSteps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    std::deque<std::pair<int, int>> queue;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (!mask.test(x, y)) continue;
            bool rim = false;
            for (const auto& s : kSteps) rim = rim || !mask.test(x + s[0], y + s[1]);
            if (rim) {
                depth[index(x, y)] = 1;
                queue.emplace_back(x, y);
            }
        }
    }
    while (!queue.empty()) {
        const auto [x, y] = queue.front();
        queue.pop_front();
        for (const auto& s : kSteps) {
            const int nx = x + s[0];
            const int ny = y + s[1];
            if (!mask.test(nx, ny) || depth[index(nx, ny)] != 0) continue;
            depth[index(nx, ny)] = depth[index(x, y)] + 1;
            queue.emplace_back(nx, ny);
        }
    }
    return depth;
}

void fillRect(Image& image, int left, int top, int right, int bottom, std::uint32_t colour) {
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) image.put(x, y, colour);
    }
}

void fillMask(Image& image, const Mask& mask, std::uint32_t colour) {
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            if (mask.test(x, y)) image.put(x, y, colour);
        }
    }
}

void fillDisc(Image& image, Point centre, std::int64_t radius, std::uint32_t colour,
              const Mask* allowed) {
    const std::int64_t r2 = radius * radius;
    const auto x0 = static_cast<int>(floorDiv(centre.x - radius, kSub));
    const auto x1 = static_cast<int>(floorDiv(centre.x + radius, kSub));
    const auto y0 = static_cast<int>(floorDiv(centre.y - radius, kSub));
    const auto y1 = static_cast<int>(floorDiv(centre.y + radius, kSub));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            if (distanceSquared(pixelCentre(x, y), centre) > r2) continue;
            if (allowed != nullptr && !allowed->test(x, y)) continue;
            image.put(x, y, colour);
        }
    }
}

Image mirrored(const Image& image) {
    Image out(image.width, image.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) out.put(image.width - 1 - x, y, image.at(x, y));
    }
    return out;
}

}  // namespace assets::draw
