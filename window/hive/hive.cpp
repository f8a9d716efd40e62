// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "window/hive/hive.h"

#include "flight/designed_layout.h"
#include "flight/rescatter.h"
#include "flight/scatter.h"
#include "window/hive/dirty_region.h"
#include "window/hive/paint_log.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>
#include <QTimerEvent>
#include <QWindow>

#include <exception>
#include <utility>

namespace drelk::window {
namespace {

// Bottom first, then the queen above them all. Not 10 down to 1: the window's stacking
// order puts line 10 just under line 1, so where lines cross, 10 and 1 win over 2..9.
constexpr std::array<int, kDroneCount> kLinePaintOrder = {9, 8, 7, 6, 5, 4, 3, 2, 10, 1};

template <std::size_t... Index>
std::array<DroneLine, sizeof...(Index)> MakeLines(RepaintTarget& canvas, const TwipScale& scale,
                                                  std::index_sequence<Index...>)
{
    return {((void)Index, DroneLine(canvas, scale))...};
}

// The rescatter period is counted in ticks at this pace, in drelk-sim too.
static_assert(1000 / Hive::kTickMilliseconds == kTicksPerSecond);

TwipScale ScreenScale(const QScreen* screen)
{
    return screen ? TwipScale(screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY())
                  : TwipScale();
}

} // namespace

Hive::Hive(RandomSource& random, FaultReport report, QSize fills, HiveCanvas* canvas,
           QWidget* parent, Pace pace)
    : QWidget(parent), random_(random), report_(std::move(report)), scale_(ScreenScale(screen())),
      queen_(*this, scale_),
      drones_(MakeLines(*this, scale_, std::make_index_sequence<kDroneCount + 1>())), fills_(fills),
      pace_(pace), canvas_(canvas)
{
    setWindowTitle(tr("The Drelk"));
    // Every dirty pixel is painted here, background first, so Qt need not clear it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // On its canvas the window is painted directly, bypassing Qt's backing store. The picture
    // keeps its place when the window is resized and the canvas keeps the pixels that stay
    // (on X11, Qt sets north-west bit gravity), so only the areas a resize uncovers are
    // painted.
    if (canvas_) {
        setAttribute(Qt::WA_PaintOnScreen);
        setAttribute(Qt::WA_StaticContents);
    } else {
        qCDebug(lcPaint) << "painting through Qt's backing store: no canvas of its own here";
    }
    resize(DesignedClientPixels(scale_));
    FollowPalette();

    SetPaused(false); // the timer runs from creation, as before the first show
    RunHandler([this] { Form_Load(); });
}

Hive::~Hive() = default;

void Hive::Form_Load() { ScatterDrones(state_, *this, random_); }

void Hive::SetPaused(bool paused)
{
    paused_ = paused;
    if (paused || failed_) {
        MovementTimer.stop();
    } else if (pace_ == Pace::OwnTimer && !MovementTimer.isActive()) {
        // A coarse timer: Qt may shift a tick by a few milliseconds to share wakeups with
        // other timers, which the animation cannot show and the processor is spared.
        MovementTimer.start(kTickMilliseconds, Qt::CoarseTimer, this);
    }
}

void Hive::ShowOnCanvas()
{
    frameless_ = true;
    shown_ = true;
    if (canvas_) {
        PaintOnCanvas(rect());
    }
}

// The outer size, in twips, is the window manager's frame once the window has been shown.
// Before that there is no frame yet, and the window counts as its designed client size, or
// as what it will fill: that is the size the start-up scatter spreads the drones over.
float Hive::WindowWidth() const
{
    if (shown_) {
        return scale_.XToTwips(OuterSize().width());
    }
    return fills_.isEmpty() ? static_cast<float>(kDesignedOuterWidth)
                            : scale_.XToTwips(fills_.width());
}

float Hive::WindowHeight() const
{
    if (shown_) {
        return scale_.YToTwips(OuterSize().height());
    }
    return fills_.isEmpty() ? static_cast<float>(kDesignedOuterHeight)
                            : scale_.YToTwips(fills_.height());
}

// Full screen takes the frame away too; the window manager's frame may be reported late.
QSize Hive::OuterSize() const
{
    return frameless_ || isFullScreen() ? size() : frameGeometry().size();
}

void Hive::SetDroneLineX(int n, float x1, float x2) { drones_[DroneLineIndex(n)].SetX(x1, x2); }

void Hive::SetDroneLineY(int n, float y1, float y2) { drones_[DroneLineIndex(n)].SetY(y1, y2); }

void Hive::paintEvent(QPaintEvent* event)
{
    if (canvas_) {
        PaintOnCanvas(event->region());
        return;
    }
    QPainter painter(this);
    PaintDirty(painter, event->region());
}

void Hive::PaintOnCanvas(const QRegion& dirty)
{
    const auto draw = [this](QPainter& painter, const QRegion& region) {
        PaintDirty(painter, region);
    };
    if (!canvas_->Suits(*this) || !canvas_->Paint(*this, dirty, draw)) {
        PaintThroughQt();
    }
}

// The background where it is dirty, then every element that reaches into the dirty region,
// drawn whole: no clip, which would cost the painter more than all the drawing.
void Hive::PaintDirty(QPainter& painter, const QRegion& dirty) const
{
    for (const QRect& rect : dirty) {
        painter.fillRect(rect, palette().window());
    }
    painter.setRenderHint(QPainter::Antialiasing);
    for (const int n : kLinePaintOrder) {
        const DroneLine& line = drones_[static_cast<std::size_t>(n)];
        if (dirty.intersects(line.PaintBounds())) {
            line.Paint(painter, line_pen_);
        }
    }
    if (dirty.intersects(queen_.PaintBounds())) {
        queen_.Paint(painter, outline_pen_);
    }
}

// Where the canvas does not suit the window (on X11: its visual or scale), or memory for it
// runs short, Qt's backing store paints it from then on, all of it once more.
void Hive::PaintThroughQt()
{
    qCDebug(lcPaint) << "painting through Qt's backing store from now on";
    canvas_ = nullptr;
    setAttribute(Qt::WA_StaticContents, false);
    setAttribute(Qt::WA_PaintOnScreen, false);
    update();
}

void Hive::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != MovementTimer.timerId() || failed_) {
        QWidget::timerEvent(event);
        return;
    }
    Tick();
}

void Hive::Tick()
{
    if (failed_ || paused_) {
        return;
    }
    // A tick that begins the flight again is gathered too: its picture shows only the new.
    gathering_ = true;
    RunHandler([this] { FlightTick(++ticks_, rescatter_, state_, *this, random_); });
    gathering_ = false;
    RepaintGathered();
}

void Hive::Repaint(const QRect& area)
{
    if (gathering_) {
        gathered_.push_back(area);
    } else {
        update(area);
    }
}

// The tick's areas are painted at once, in one region: on a canvas straight away, elsewhere
// through Qt's repaint, which paints without a request posted to the event loop, and so
// without a wake-up of its own. Qt's backing store hands the compositor each of the region's
// rectangles as a damage request (on Wayland), so that region is kept to few of them.
void Hive::RepaintGathered()
{
    if (gathered_.empty()) {
        return;
    }
    const bool on_canvas = canvas_ && canvas_->Shows(*this);
    const QRegion dirty = on_canvas ? JoinedRegion(gathered_) : BoxedRegion(gathered_);
    gathered_.clear();
    if (on_canvas) {
        PaintOnCanvas(dirty);
    } else {
        repaint(dirty);
    }
}

void Hive::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        FollowPalette();
        update();
    }
}

void Hive::FollowPalette()
{
    const QColor ink = palette().color(QPalette::WindowText);
    line_pen_ = DroneLine::Pen(ink);
    outline_pen_ = QueenCircle::OutlinePen(ink);
}

void Hive::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shown_) {
        return;
    }
    shown_ = true;
    if (QWindow* window = windowHandle()) {
        connect(window, &QWindow::screenChanged, this, &Hive::FollowScreen);
    }
    FollowScreen();
}

// Twips are physical, so the picture is redrawn at the scale of whichever screen the
// window is on, and again whenever that screen's DPI changes.
void Hive::FollowScreen()
{
    QScreen* current = screen();
    disconnect(dpi_watch_);
    if (current) {
        dpi_watch_ =
            connect(current, &QScreen::logicalDotsPerInchChanged, this, &Hive::FollowScreen);
    }
    const TwipScale scale = ScreenScale(current);
    if (scale == scale_) {
        return;
    }
    scale_ = scale;
    queen_.RecomputeBounds();
    for (DroneLine& line : drones_) {
        line.RecomputeBounds();
    }
    update();
}

template <typename Handler> void Hive::RunHandler(Handler handler) noexcept
{
    try {
        handler();
    } catch (const std::exception& fault) {
        Fail(QString::fromLocal8Bit(fault.what()));
    } catch (...) {
        Fail(QStringLiteral("an unknown fault"));
    }
}

void Hive::Fail(const QString& what)
{
    // Stopped first, so no tick can run while the report waits for the user.
    MovementTimer.stop();
    failed_ = true;
    const QString message = FaultMessage(what);
    if (report_.tell) {
        report_.tell(this, message);
    }
    if (report_.end) {
        report_.end();
    }
}

} // namespace drelk::window
