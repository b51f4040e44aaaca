#include "skin/SkinLayoutMath.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

// The rows a growing set of blocks covers, as the free gaps between them, tallest (then
// topmost) first. Adding a block costs a logarithmic time in the number of gaps.
class FreeRows {
public:
    FreeRows(int top, int bottom) { Add(top, bottom); }

    // Covers the rows [from, to).
    void Cover(int from, int to)
    {
        // The gaps that overlap [from, to): the last one starting before to, back to the first
        // one ending after from.
        auto gap = m_gaps.lower_bound(to);
        while (gap != m_gaps.begin()) {
            --gap;
            const auto [top, bottom] = *gap;
            if (bottom <= from)
                break;
            m_bySize.erase({top - bottom, top});
            gap = m_gaps.erase(gap);
            if (top < from)
                Add(top, from);
            if (to < bottom)
                Add(to, bottom);
            gap = m_gaps.lower_bound(top);
        }
    }

    bool IsEmpty() const { return m_bySize.empty(); }
    // The tallest gap, the topmost of equal ones.
    std::pair<int, int> Tallest() const { return {m_bySize.begin()->second, -m_bySize.begin()->first}; }

private:
    void Add(int top, int bottom)
    {
        m_gaps.emplace(top, bottom);
        m_bySize.emplace(top - bottom, top);
    }

    std::map<int, int> m_gaps;               // top -> bottom (exclusive)
    std::set<std::pair<int, int>> m_bySize;  // (-height, top)
};

}  // namespace

// Every rectangle that can be the largest spans a range of the blocks' column edges and one
// free gap of the rows the blocks in that range cover. For each left edge the right edge moves
// rightwards, so the blocks in range only grow: the gaps are kept up to date block by block, and
// the search ends once the widest rectangle the tallest gap allows cannot beat the best.
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
    std::sort(blocks.begin(), blocks.end(), [](const QRect& a, const QRect& b) { return a.left() < b.left(); });

    QRect best;
    qint64 bestArea = 0;
    const int areaRight = area.right() + 1;
    for (size_t i = 0; i + 1 < xs.size(); ++i) {
        const int left = xs[i];
        FreeRows rows(area.top(), area.bottom() + 1);
        size_t next = 0;  // the first block not yet covered, in the order of their left edges
        for (size_t j = i + 1; j < xs.size(); ++j) {
            const int right = xs[j];  // exclusive
            for (; next < blocks.size() && blocks[next].left() < right; ++next) {
                if (blocks[next].right() + 1 > left)
                    rows.Cover(blocks[next].top(), blocks[next].bottom() + 1);
            }
            if (rows.IsEmpty())
                break;
            const auto [top, height] = rows.Tallest();
            if (qint64(areaRight - left) * height <= bestArea)
                break;
            const qint64 size = qint64(right - left) * height;
            if (size > bestArea) {
                bestArea = size;
                best = QRect(left, top, right - left, height);
            }
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
