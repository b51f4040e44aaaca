#include "skin/SkinLayoutMath.h"

#include <algorithm>

QRect LargestFreeRect(const QRect& area, const std::vector<QRect>& obstacles)
{
    if (area.isEmpty())
        return QRect();
    std::vector<QRect> blocks;
    std::vector<int> xs{area.left(), area.right() + 1};
    for (const QRect& obstacle : obstacles) {
        const QRect block = obstacle.intersected(area);
        if (block.isEmpty())
            continue;
        blocks.push_back(block);
        xs.push_back(block.left());
        xs.push_back(block.right() + 1);
    }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());

    QRect best;
    qint64 bestArea = 0;
    std::vector<std::pair<int, int>> spans;  // the rows the blocks of a column range take
    for (size_t i = 0; i < xs.size(); ++i) {
        for (size_t j = i + 1; j < xs.size(); ++j) {
            const int left = xs[i];
            const int right = xs[j];  // exclusive
            spans.clear();
            for (const QRect& block : blocks) {
                if (block.left() < right && block.right() + 1 > left)
                    spans.emplace_back(block.top(), block.bottom() + 1);
            }
            std::sort(spans.begin(), spans.end());
            int top = area.top();
            auto consider = [&](int from, int to) {
                const qint64 size = qint64(right - left) * (to - from);
                if (to > from && size > bestArea) {
                    bestArea = size;
                    best = QRect(left, from, right - left, to - from);
                }
            };
            for (const auto& [from, to] : spans) {
                consider(top, from);
                top = std::max(top, to);
            }
            consider(top, area.bottom() + 1);
        }
    }
    return best;
}

SkinLayout ComputeSkinLayout(const SkinLayoutInput& input)
{
    SkinLayout layout;
    const int width = std::max(0, input.client.width());
    const int menuHeight = std::clamp(input.menuHeight, 0, std::max(0, input.client.height()));
    const QRect viewArea(0, 0, width, std::max(0, input.client.height() - menuHeight));

    QRect movie;
    if (input.movie) {
        movie = input.movie->normalized();
    } else {
        std::vector<QRect> obstacles;
        for (const QRect& element : input.elements) {
            if (!element.contains(viewArea))
                obstacles.push_back(element);
        }
        movie = LargestFreeRect(viewArea, obstacles);
    }

    QRect playlist;
    if (input.playlistShown) {
        if (input.playlist) {
            playlist = input.playlist->normalized();
        } else {
            const int listWidth = std::clamp(input.playlistWidth, 0, std::max(0, movie.width()));
            playlist = QRect(movie.right() + 1 - listWidth, movie.top(), listWidth, movie.height());
            movie.setWidth(movie.width() - listWidth);
        }
    }

    const QPoint offset(0, menuHeight);
    layout.view = movie.translated(offset);
    if (!playlist.isEmpty())
        layout.playlist = playlist.translated(offset);
    if (menuHeight > 0)
        layout.menuBar = QRect(0, 0, width, menuHeight);
    layout.margins.nonClientWidth = input.frame.width();
    layout.margins.nonClientHeight = input.frame.height() + menuHeight;
    layout.margins.surroundWidth = width - movie.width();
    layout.margins.surroundHeight = viewArea.height() - movie.height();
    layout.minimum = input.minimum;
    return layout;
}
