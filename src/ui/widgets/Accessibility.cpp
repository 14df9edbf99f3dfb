#include "widgets/Accessibility.h"

#include "widgets/CountdownLabel.h"
#include "widgets/WrappingTextField.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCoreApplication>
#include <QRegularExpression>

namespace Accessibility {

namespace {

// The countdown's digits mean nothing read aloud one by one.
class CountdownAccessible final : public QAccessibleWidget
{
public:
    explicit CountdownAccessible(QWidget* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name || kind == QAccessible::Value)
            return spokenTimeLeft(static_cast<const CountdownLabel*>(widget())->text());
        return QAccessibleWidget::text(kind);
    }
};

// The quote is painted, not a label: its text with its author is its name.
class QuoteAccessible final : public QAccessibleWidget
{
public:
    explicit QuoteAccessible(QWidget* field) : QAccessibleWidget(field, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<const WrappingTextField*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

// The visible countdown of the break, if one is on screen.
QString runningCountdown()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        for (const CountdownLabel* label : window->findChildren<CountdownLabel*>()) {
            if (label->isVisible() && !label->text().isEmpty())
                return label->text();
        }
    }
    return {};
}

// A window of the program is a frame with its title as its name; a break window, on every
// monitor, says what covers the screen and for how long.
class WindowAccessible final : public QAccessibleWidget
{
public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->inherits("BorderlessWindow")) {
            static const QRegularExpression clock(QStringLiteral("^\\d+:\\d\\d$"));
            const QString time = runningCountdown();
            return clock.match(time).hasMatch() ? QCoreApplication::translate("Accessibility", "Break \u2014 %1 left").arg(time)
                                                : QCoreApplication::translate("Accessibility", "Break");
        }
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* describe(const QString& key, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (key == QLatin1String("CountdownLabel"))
        return new CountdownAccessible(widget);
    if (key == QLatin1String("WrappingTextField"))
        return new QuoteAccessible(widget);
    // Only our own window classes, asked for by their own name: Qt's dialogs, menus and
    // popups keep the roles Qt gives them.
    if (widget->isWindow() && key == QLatin1String(widget->metaObject()->className()) &&
        !key.startsWith(QLatin1Char('Q')) && !widget->inherits("QDialog") && !widget->inherits("QMenu") &&
        widget->windowType() != Qt::Popup)
        return new WindowAccessible(widget);
    return nullptr;
}

} // namespace

QString spokenTimeLeft(const QString& clock)
{
    static const QRegularExpression parts(QStringLiteral("^(\\d+):(\\d\\d)$"));
    const QRegularExpressionMatch match = parts.match(clock);
    if (!match.hasMatch())
        return clock;
    const int minutes = match.captured(1).toInt();
    const int seconds = match.captured(2).toInt();
    if (minutes == 0)
        return QCoreApplication::translate("Accessibility", "%n seconds left", nullptr, seconds);
    if (seconds == 0)
        return QCoreApplication::translate("Accessibility", "%n minutes left", nullptr, minutes);
    return QCoreApplication::translate("Accessibility", "%1 %2 left")
        .arg(QCoreApplication::translate("Accessibility", "%n minutes", nullptr, minutes),
             QCoreApplication::translate("Accessibility", "%n seconds", nullptr, seconds));
}

void install()
{
    QAccessible::installFactory(describe);
}

} // namespace Accessibility
