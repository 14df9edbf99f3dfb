#include "widgets/ChromeService.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QParallelAnimationGroup>
#include <QPointer>
#include <QPropertyAnimation>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace ChromeService {
namespace {

constexpr const char* basePositionProperty = "chromeServiceBasePosition";

struct Transaction
{
    QParallelAnimationGroup* group = nullptr;
    std::vector<std::function<void()>> cleanups;
};
Transaction* openTransaction = nullptr;

// Starts the animation on its own, or adds it to the open transaction; cleanup runs when it
// (or the transaction) has ended.
bool lessMotion = false;

void begin(QVariantAnimation* animation, std::function<void()> cleanup, std::function<void()> completion = {})
{
    if (lessMotion)
        animation->setDuration(0);
    animation->setEasingCurve(QEasingCurve::InOutQuad);
    if (openTransaction) {
        openTransaction->group->addAnimation(animation);
        openTransaction->cleanups.push_back(std::move(cleanup));
        if (completion)
            openTransaction->cleanups.push_back(std::move(completion));
        return;
    }
    QObject::connect(animation, &QAbstractAnimation::finished,
                     [cleanup = std::move(cleanup), completion = std::move(completion)] {
                         cleanup();
                         if (completion)
                             completion();
                     });
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

// A fade without an offscreen copy of the view: a veil of the window's background colour over
// the view, as opaque as the view is transparent. Drawing the view through an opacity effect
// would render the whole screen into a pixmap on every frame.
class Veil : public QWidget
{
public:
    explicit Veil(QWidget* view) : QWidget(view)
    {
        setObjectName(QStringLiteral("chromeServiceVeil"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(view->rect());
        view->installEventFilter(this);
        show();
        raise();
    }

    void setViewOpacity(double value)
    {
        opacity = value;
        update();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        // Stays over the whole view, also over views added while it fades.
        if (event->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        else if (event->type() == QEvent::ChildAdded)
            QMetaObject::invokeMethod(this, &QWidget::raise, Qt::QueuedConnection);
        return false;
    }

    void paintEvent(QPaintEvent* event) override
    {
        QColor colour = window()->palette().color(QPalette::Window);
        colour.setAlphaF(float(std::clamp(1.0 - opacity, 0.0, 1.0)));
        QPainter(this).fillRect(event->rect(), colour);
    }

private:
    double opacity = 0;
};

Veil* veilOf(QWidget* view)
{
    if (auto* existing =
            view->findChild<QWidget*>(QStringLiteral("chromeServiceVeil"), Qt::FindDirectChildrenOnly))
        return static_cast<Veil*>(existing);
    return new Veil(view);
}

void fade(QWidget* view, double from, double to, double seconds, std::function<void()> completion)
{
    if (!view)
        return;
    Veil* veil = veilOf(view);
    for (auto* running : veil->findChildren<QVariantAnimation*>(Qt::FindDirectChildrenOnly))
        running->stop();
    veil->setViewOpacity(from);
    auto* animation = new QVariantAnimation(veil);
    animation->setDuration(int(seconds * 1000));
    animation->setStartValue(from);
    animation->setEndValue(to);
    QObject::connect(animation, &QVariantAnimation::valueChanged, veil,
                     [veil](const QVariant& value) { veil->setViewOpacity(value.toDouble()); });
    QPointer<Veil> own(veil);
    begin(
        animation,
        [own] {
            // Only the fade that still owns the veil removes it.
            if (own)
                own->deleteLater();
        },
        std::move(completion));
}

} // namespace

void setReducedMotion(bool reduced)
{
    lessMotion = reduced;
}

bool reducedMotion()
{
    return lessMotion;
}

void fadeIn(QWidget* view, double seconds, std::function<void()> completion)
{
    fade(view, 0, 1, seconds, std::move(completion));
}

void fadeOut(QWidget* view, double seconds)
{
    fade(view, 1, 0, seconds, {});
}

void move(QWidget* view, QPoint from, QPoint to, double seconds)
{
    if (!view)
        return;
    // The place is read on every step, so that a layout pass during the move is kept.
    if (!view->property(basePositionProperty).isValid())
        view->setProperty(basePositionProperty, view->pos());
    for (auto* running : view->findChildren<QVariantAnimation*>(QStringLiteral("chromeServiceMove"),
                                                                Qt::FindDirectChildrenOnly))
        running->stop();
    auto* animation = new QVariantAnimation(view);
    animation->setObjectName(QStringLiteral("chromeServiceMove"));
    animation->setDuration(int(seconds * 1000));
    animation->setStartValue(from);
    animation->setEndValue(to);
    QPointer<QWidget> target(view);
    QObject::connect(animation, &QVariantAnimation::valueChanged, view, [target](const QVariant& offset) {
        if (target)
            target->move(target->property(basePositionProperty).toPoint() + offset.toPoint());
    });
    view->move(view->property(basePositionProperty).toPoint() + from);
    begin(animation, [target] {
        if (!target)
            return;
        const QVariant base = target->property(basePositionProperty);
        if (base.isValid())
            target->move(base.toPoint());
        target->setProperty(basePositionProperty, QVariant());
    });
}

void setGeometry(QWidget* view, const QRect& geometry)
{
    const QVariant base = view->property(basePositionProperty);
    if (!base.isValid()) {
        view->setGeometry(geometry);
        return;
    }
    const QPoint offset = view->pos() - base.toPoint();
    view->setProperty(basePositionProperty, geometry.topLeft());
    view->setGeometry(geometry.translated(offset));
}

void transaction(const std::function<void()>& animations, std::function<void()> completion)
{
    Transaction current;
    current.group = new QParallelAnimationGroup;
    Transaction* outer = openTransaction;
    openTransaction = &current;
    animations();
    openTransaction = outer;
    QObject::connect(current.group, &QAbstractAnimation::finished,
                     [completion = std::move(completion), cleanups = std::move(current.cleanups)] {
                         if (completion)
                             completion();
                         for (const auto& cleanup : cleanups)
                             cleanup();
                     });
    current.group->start(QAbstractAnimation::DeleteWhenStopped);
}

} // namespace ChromeService
