#include "widgets/CountdownLabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

CountdownLabel::CountdownLabel(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void CountdownLabel::setText(const QString& text)
{
    if (text == content)
        return;
    const QString before = content;
    content = text;
    if (before.size() != text.size()) {
        updateGeometry();
        update();
        return;
    }
    const QList<QRect> rects = cells(text);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != before.at(i))
            update(rects.at(i));
    }
}

void CountdownLabel::setTextColor(const QColor& value)
{
    if (value == color)
        return;
    color = value;
    glyphs.clear();
    update();
}

int CountdownLabel::cellWidth(QChar c) const
{
    // Measured once per font: the cells are asked for on every tick.
    if (widths.isEmpty()) {
        const QFontMetrics metrics(font());
        int widest = 0;
        for (char d = '0'; d <= '9'; ++d)
            widest = std::max(widest, metrics.horizontalAdvance(QLatin1Char(d)));
        widths.insert(QLatin1Char('0'), widest);
    }
    const QChar key = c.isDigit() ? QLatin1Char('0') : c;
    auto found = widths.constFind(key);
    if (found == widths.constEnd())
        found = widths.insert(key, QFontMetrics(font()).horizontalAdvance(c));
    return *found;
}

int CountdownLabel::textWidth() const
{
    int width = 0;
    for (const QChar c : content)
        width += cellWidth(c);
    return width;
}

QList<QRect> CountdownLabel::cells(const QString& text) const
{
    int total = 0;
    for (const QChar c : text)
        total += cellWidth(c);
    int x = (width() - total) / 2;
    QList<QRect> rects;
    for (const QChar c : text) {
        const int w = cellWidth(c);
        rects.append(QRect(x, 0, w, height()));
        x += w;
    }
    return rects;
}

QSize CountdownLabel::sizeHint() const
{
    const QFontMetrics metrics(font());
    // Room for "mm:ss" at least, so the view keeps its size while the count runs.
    const int fiveCells = 4 * cellWidth(QLatin1Char('0')) + cellWidth(QLatin1Char(':'));
    return {std::max(fiveCells, textWidth()) + 2 * metrics.averageCharWidth(), metrics.height()};
}

const QImage& CountdownLabel::glyph(QChar c)
{
    const qreal ratio = devicePixelRatioF();
    if (ratio != glyphRatio) {
        glyphs.clear();
        glyphRatio = ratio;
    }
    auto found = glyphs.find(c);
    if (found != glyphs.end())
        return *found;
    const QFontMetrics metrics(font());
    const QSize size(cellWidth(c), height());
    QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font());
    painter.setPen(color);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const int baseline = (size.height() - metrics.height()) / 2 + metrics.ascent();
    painter.drawText(QPointF((size.width() - metrics.horizontalAdvance(c)) / 2.0, baseline), QString(c));
    painter.end();
    return *glyphs.insert(c, image);
}

void CountdownLabel::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QList<QRect> rects = cells(content);
    for (qsizetype i = 0; i < content.size(); ++i) {
        if (rects.at(i).intersects(event->rect()))
            painter.drawImage(rects.at(i).topLeft(), glyph(content.at(i)));
    }
}

void CountdownLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        glyphs.clear();
        widths.clear();
        updateGeometry();
    }
    QWidget::changeEvent(event);
}
