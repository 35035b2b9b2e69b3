#include "imageops/pixels.h"
#include "plr_imageops.h"

#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

ColorValue drawingColor = 0xFFFFFF;

namespace {

typedef int (*PlotPoint)(int x, int y, ColorValue color);

int InvertPoint(int x, int y, ColorValue) { return InvertPixelKeepPen(x, y); }

// Plots the points of a line without moving the pen. Differences are taken in 64 bits so that
// any pair of int end points is safe; axis lines skip the stretch outside the image.
void WalkLine(int x0, int y0, int x1, int y1, PlotPoint plot, ColorValue color) {
    ImageExtent image = CurrentImageExtent();
    if (x0 == x1) {
        int64_t first = std::max<int64_t>(std::min(y0, y1), 0);
        int64_t last = std::min<int64_t>(std::max(y0, y1), static_cast<int64_t>(image.height) - 1);
        for (int64_t y = first; y <= last; ++y)
            plot(x0, static_cast<int>(y), color);
        return;
    }
    if (y0 == y1) {
        int64_t first = std::max<int64_t>(std::min(x0, x1), 0);
        int64_t last = std::min<int64_t>(std::max(x0, x1), static_cast<int64_t>(image.width) - 1);
        for (int64_t x = first; x <= last; ++x)
            plot(static_cast<int>(x), y0, color);
        return;
    }
    if (x0 > x1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    int64_t dx = static_cast<int64_t>(x1) - x0;
    int64_t dy = y1 > y0 ? static_cast<int64_t>(y1) - y0 : static_cast<int64_t>(y0) - y1;
    int step = y1 > y0 ? 1 : -1;
    int x = x0, y = y0;
    plot(x, y, color);
    if (dx >= dy) {
        int64_t e = (dx + 1) / 2;
        while (x != x1) {
            e -= dy;
            ++x;
            if (e <= 0) {
                e += dx;
                y += step;
            }
            plot(x, y, color);
        }
    } else {
        int64_t e = (dy + 1) / 2;
        while (y != y1) {
            e -= dx;
            y += step;
            if (e <= 0) {
                e += dy;
                ++x;
            }
            plot(x, y, color);
        }
    }
}

void SortCorners(int* x0, int* y0, int* x1, int* y1) {
    if (*x0 > *x1) std::swap(*x0, *x1);
    if (*y0 > *y1) std::swap(*y0, *y1);
}

// The rows y0..y1 that lie inside the current image, as [*first, *last].
bool VisibleRows(int y0, int y1, int* first, int* last) {
    *first = std::max(y0, 0);
    *last = static_cast<int>(std::min<int64_t>(y1, static_cast<int64_t>(CurrentImageExtent().height) - 1));
    return *first <= *last;
}

// The midpoint circle: for r >= 1 every outline point is visited once, in the fixed order below.
template <typename Visit> void WalkCircle(int cx, int cy, int r, Visit visit) {
    int64_t i = 0, k = r, e = r;
    int64_t limit = 5 * static_cast<int64_t>(r) / 7;
    do {
        visit(cx - i, cy + k);
        visit(cx + i, cy - k);
        if (i != 0 && i != k) {
            visit(cx + i, cy + k);
            visit(cx - i, cy - k);
            visit(cx + k, cy - i);
            visit(cx - k, cy + i);
        }
        visit(cx + k, cy + i);
        visit(cx - k, cy - i);
        e -= 2 * i + 1;
        if (e <= 0) {
            e += 2 * k - 2;
            --k;
        }
        ++i;
    } while (i <= limit && i <= k);
}

// The disc of radius r: on each image row, the span from the leftmost to the rightmost outline
// point, clipped to the image. Empty spans have first > last.
struct Span {
    int64_t first, last;
};

std::vector<Span> DiscSpans(int cx, int cy, int r) {
    ImageExtent image = CurrentImageExtent();
    std::vector<Span> spans(static_cast<size_t>(image.height), Span{INT64_MAX, INT64_MIN});
    WalkCircle(cx, cy, r, [&](int64_t x, int64_t y) {
        if (y < 0 || y >= image.height) return;
        Span& span = spans[static_cast<size_t>(y)];
        span.first = std::min(span.first, x);
        span.last = std::max(span.last, x);
    });
    for (Span& span : spans) {
        span.first = std::max<int64_t>(span.first, 0);
        span.last = std::min<int64_t>(span.last, static_cast<int64_t>(image.width) - 1);
    }
    return spans;
}

} // namespace

void PLR_DrawLine(ColorValue color, int x0, int y0, int x1, int y1) {
    penX = x1;
    penY = y1;
    WalkLine(x0, y0, x1, y1, PutPixelKeepPen, color);
}

void PLR_DrawLineXor(int x0, int y0, int x1, int y1) {
    penX = x1;
    penY = y1;
    WalkLine(x0, y0, x1, y1, InvertPoint, 0);
}

void PLR_DrawRect(int x0, int y0, int x1, int y1) {
    PLR_DrawLine(drawingColor, x0, y0, x1, y0);
    PLR_DrawLine(drawingColor, x1, y0, x1, y1);
    PLR_DrawLine(drawingColor, x1, y1, x0, y1);
    PLR_DrawLine(drawingColor, x0, y1, x0, y0);
}

void PLR_DrawRectXor(int x0, int y0, int x1, int y1) {
    SortCorners(&x0, &y0, &x1, &y1);
    PLR_DrawLineXor(x0, y0, x1, y0);
    if (y1 != y0) PLR_DrawLineXor(x0, y1, x1, y1);
    // A zero-width rectangle inverts its single inner column twice, which leaves it unchanged.
    if (static_cast<int64_t>(y1) - y0 > 1) {
        PLR_DrawLineXor(x0, y0 + 1, x0, y1 - 1);
        PLR_DrawLineXor(x1, y0 + 1, x1, y1 - 1);
    }
}

void PLR_DrawBox(int x0, int y0, int x1, int y1, ColorValue border, ColorValue fill) {
    SortCorners(&x0, &y0, &x1, &y1);
    PLR_DrawLine(border, x0, y0, x1, y0);
    PLR_DrawLine(border, x1, y0, x1, y1);
    PLR_DrawLine(border, x1, y1, x0, y1);
    PLR_DrawLine(border, x0, y1, x0, y0);
    if (static_cast<int64_t>(x1) - x0 < 2 || static_cast<int64_t>(y1) - y0 < 2) return;
    int first, last;
    if (VisibleRows(y0 + 1, y1 - 1, &first, &last))
        for (int y = first; y <= last; ++y)
            PLR_DrawLine(fill, x0 + 1, y, x1 - 1, y);
    // The rows outside the image were skipped; the pen ends where the last inner row would.
    penX = x1 - 1;
    penY = y1 - 1;
}

void PLR_FillBoxXor(int x0, int y0, int x1, int y1) {
    SortCorners(&x0, &y0, &x1, &y1);
    int first, last;
    if (VisibleRows(y0, y1, &first, &last))
        for (int y = first; y <= last; ++y)
            PLR_DrawLineXor(x0, y, x1, y);
    penX = x1;
    penY = y1;
}

void PLR_DrawCircle(ColorValue color, int cx, int cy, int r) {
    WalkCircle(cx, cy, r, [color](int64_t x, int64_t y) { PLR_PutPixel(ClampToInt(x), ClampToInt(y), color); });
}

void PLR_DrawCircleXor(int cx, int cy, int r) {
    WalkCircle(cx, cy, r, [](int64_t x, int64_t y) { PLR_InvertPixel(ClampToInt(x), ClampToInt(y)); });
}

void PLR_FillCircle(int r, int cx, int cy) {
    std::vector<Span> spans = DiscSpans(cx, cy, r);
    for (size_t y = 0; y < spans.size(); ++y)
        if (spans[y].first <= spans[y].last)
            PLR_DrawLine(drawingColor, static_cast<int>(spans[y].first), static_cast<int>(y),
                         static_cast<int>(spans[y].last), static_cast<int>(y));
    PLR_DrawCircle(drawingColor, cx, cy, r);
}

void PLR_FillCircleXor(int r, int cx, int cy) {
    // r = 0 would invert the centre an even number of times: the image stays as it is.
    if (r == 0) return;
    std::vector<Span> spans = DiscSpans(cx, cy, r);
    for (size_t y = 0; y < spans.size(); ++y)
        if (spans[y].first <= spans[y].last)
            PLR_DrawLineXor(static_cast<int>(spans[y].first), static_cast<int>(y), static_cast<int>(spans[y].last),
                            static_cast<int>(y));
}
