#include "window/paint_reach.h"

#include <QWidget>

namespace drelk::window {
namespace {

constexpr double kAntialiasFringe = 1.5;

} // namespace

QRect PaintReach(const QRectF& outline, double pen_width)
{
    const double reach = pen_width / 2.0 + kAntialiasFringe;
    return outline.normalized().adjusted(-reach, -reach, reach, reach).toAlignedRect();
}

void RepaintMove(QWidget& canvas, const QRect& before, const QRect& after)
{
    if (before == after) {
        canvas.update(after);
    } else if (before.intersects(after)) {
        canvas.update(before.united(after));
    } else {
        canvas.update(before);
        canvas.update(after);
    }
}

} // namespace drelk::window
