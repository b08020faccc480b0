#include "ui/board/BoardRouting.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

namespace velmora::board {

namespace {

constexpr double kShortestPieceTwips = 15;  // a pixel at 100 %

// The part [t0, t1] of the line's parameter inside `box`, by Liang and Barsky's
// clipping; nothing when the line misses the box.
std::optional<std::pair<double, double>> Inside(const QLineF& line, const QRectF& box) {
    const double dx = line.dx();
    const double dy = line.dy();
    // Columns: the direction's component against each edge, the distance to that edge.
    const std::array<std::pair<double, double>, 4> edges{{
        {-dx, line.x1() - box.left()},
        {dx, box.right() - line.x1()},
        {-dy, line.y1() - box.top()},
        {dy, box.bottom() - line.y1()},
    }};
    double t0 = 0;
    double t1 = 1;
    for (const auto& [p, q] : edges) {
        if (std::abs(p) < 1e-12) {
            if (q <= 0) return std::nullopt;
            continue;
        }
        const double t = q / p;
        if (p < 0) t0 = std::max(t0, t);
        else t1 = std::min(t1, t);
    }
    if (t0 >= t1) return std::nullopt;
    return std::make_pair(t0, t1);
}

}  // namespace

bool Crosses(const QLineF& line, const QRectF& box) { return Inside(line, box).has_value(); }

std::vector<QLineF> LineAround(const QLineF& line, const std::vector<QRectF>& keepOut) {
    std::vector<std::pair<double, double>> hidden;
    for (const QRectF& box : keepOut) {
        const double c = kTextClearanceTwips;
        if (auto part = Inside(line, box.adjusted(-c, -c, c, c))) hidden.push_back(*part);
    }
    std::sort(hidden.begin(), hidden.end());
    std::vector<QLineF> pieces;
    double from = 0;
    const double length = line.length();
    auto keep = [&](double t0, double t1) {
        if ((t1 - t0) * length >= kShortestPieceTwips) pieces.emplace_back(line.pointAt(t0), line.pointAt(t1));
    };
    for (const auto& [t0, t1] : hidden) {
        if (t0 > from) keep(from, t0);
        from = std::max(from, t1);
    }
    if (from < 1) keep(from, 1);
    return pieces;
}

QRectF CaptionPlace(const QLineF& line, const QSizeF& size, double offset, const std::vector<QRectF>& taken) {
    const QPointF along = line.unitVector().p2() - line.unitVector().p1();
    const QPointF across(-along.y(), along.x());
    auto boxAt = [&](double t, double side) {
        const QPointF centre = line.pointAt(t) + across * side;
        return QRectF(centre - QPointF(size.width(), size.height()) / 2.0, size);
    };
    auto free = [&](const QRectF& box) {
        return std::none_of(taken.begin(), taken.end(), [&box](const QRectF& t) { return t.intersects(box); });
    };
    // From the middle outwards, on either side of the line, then farther off it.
    constexpr int kSteps = 8;
    constexpr double kStep = 0.05;
    for (const double side : {offset, -offset, 2 * offset, -2 * offset, 3 * offset, -3 * offset}) {
        for (int i = 0; i <= kSteps; ++i) {
            for (const double t : {0.5 - kStep * i, 0.5 + kStep * i}) {
                const QRectF box = boxAt(t, side);
                if (free(box)) return box;
            }
        }
    }
    return boxAt(0.5, offset);
}

}  // namespace velmora::board
