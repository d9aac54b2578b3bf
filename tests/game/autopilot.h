#pragma once
// A pilot that flies the approach by the drawn line: it steers toward the
// line's waypoints with the arrow keys, never two presses closer than 30 ms,
// and records what it pressed and when. Used to prove the track flyable.
#include <cstdlib>
#include <vector>

#include "game/track_cells.h"
#include "replay.h"

namespace replay {

struct Point {
    int x, y;
};

// The approach line's waypoints in client pixels, then the landing cell.
inline const std::vector<Point>& approachWaypoints() {
    static const std::vector<Point> points = [] {
        const Point picture[] = {{144, 74},  {145, 59},  {173, 34},  {203, 32},  {233, 30},
                                 {263, 34},  {294, 54},  {314, 85},  {322, 115}, {325, 145},
                                 {328, 175}, {340, 206}, {371, 210}, {401, 204}, {431, 203},
                                 {462, 212}, {490, 240}, {493, 270}, {482, 301}, {451, 321},
                                 {421, 329}, {391, 335}, {360, 363}, {356, 393}, {374, 424},
                                 {404, 443}, {434, 446}, {464, 447}, {494, 443}, {522, 439}};
        std::vector<Point> client;
        for (Point p : picture) client.push_back({p.x + 3, p.y + 3});
        client.push_back({546, 434});  // inside the landing cell
        return client;
    }();
    return points;
}

// Flies a started run from the space bar to the landing and returns the
// presses it made (times relative to the run's start). Stops at `limit`.
inline std::vector<Input> flyApproach(scene::HeadlessRun& run, Time limit = ms(600000)) {
    std::vector<Input> presses;
    game::GameState& s = run.game.state;
    const Time start = run.platform.now();
    Time lastPress = start - ms(1000);
    auto press = [&](std::uint16_t key) {
        // A moment after what the pilot saw, so that a blind replay of the
        // recorded presses meets every tick in the same order.
        const Time now = run.platform.now() + ms(1);
        run.platform.press(now, key);
        presses.push_back(
            {std::chrono::duration_cast<std::chrono::milliseconds>(now - start).count(), key});
        lastPress = now;
    };
    press(vk::Space);
    const auto& points = approachWaypoints();
    std::size_t target = 0;
    run.platform.stopAt(start + limit);
    while (!run.form.Image2().visible) {
        const int x = s.planeX + 142;
        const int y = 425 - s.altitude;
        while (target + 1 < points.size() && std::abs(points[target].x - x) <= 4 &&
               std::abs(points[target].y - y) <= 4) {
            ++target;
        }
        const Point t = points[target];
        const bool drifting = run.form.Timer2().enabled;
        if (drifting && run.platform.now() + ms(1) - lastPress >= ms(30)) {
            // Pick the heading: the one that leads to the target, kept with a
            // little slack so the plane zig-zags along the line, among those
            // that keep the next few pixels on the track.
            const bool landing = target + 1 == points.size();
            auto safe = [&](int h, int v) {
                auto on = [&](int px, int py) {
                    return landing || game::isTrackCell(px / 10, py / 10);
                };
                return on(x + 3 * h, y) && on(x, y + 3 * v) && on(x + 3 * h, y + 3 * v);
            };
            const int h = s.steerLeft ? -1 : 1;
            const int v = s.steerUp ? -1 : 1;
            int wantH = h, wantV = v;
            if (t.x - x > 2) wantH = 1;
            if (x - t.x > 2) wantH = -1;
            if (t.y - y > 2) wantV = 1;
            if (y - t.y > 2) wantV = -1;
            int bestH = h, bestV = v, bestScore = 1 << 30;
            for (int ch : {-1, 1}) {
                for (int cv : {-1, 1}) {
                    const int score = (safe(ch, cv) ? 0 : 1000) + (ch != wantH) * 10 +
                                      (cv != wantV) * 10 + (ch != h) + (cv != v);
                    if (score < bestScore) {
                        bestScore = score;
                        bestH = ch;
                        bestV = cv;
                    }
                }
            }
            if (bestH != h) {
                press(bestH < 0 ? vk::Left : vk::Right);
            } else if (bestV != v) {
                press(bestV < 0 ? vk::Up : vk::Down);
            }
        }
        if (!run.loop.step()) break;
    }
    return presses;
}

}  // namespace replay
