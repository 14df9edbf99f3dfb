#include "widgets/WrappingTextField.h"

#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace {

struct Line
{
    QTextLine line;
    double top = 0;
    double height = 0;
};

// Lays out the text in lines of the given width, at most maxLines of them.
std::vector<Line> layOut(QTextLayout& layout, double width, int maxLines)
{
    QTextOption option(Qt::AlignHCenter);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    std::vector<Line> lines;
    double y = 0;
    layout.beginLayout();
    while (int(lines.size()) < maxLines) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        // Leading between lines, as the text system adds it.
        const double height = line.height() + std::max(0.0, line.leading());
        lines.push_back({line, y, height});
        y += height;
    }
    layout.endLayout();
    return lines;
}

// A text layout breaks lines only at U+2028: every kind of newline becomes one.
QString withLineBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QString(QChar::LineSeparator));
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    text.replace(QLatin1Char('\r'), QChar::LineSeparator);
    text.replace(QChar::ParagraphSeparator, QChar::LineSeparator);
    return text;
}

} // namespace

WrappingTextField::WrappingTextField(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
}

void WrappingTextField::setText(const QString& text)
{
    content = text;
    update();
}

void WrappingTextField::setTextColor(const QColor& value)
{
    color = value;
    update();
}

void WrappingTextField::setMaximumNumberOfLines(int lines)
{
    maxLines = std::max(1, lines);
    update();
}

void WrappingTextField::setIgnoreMouseEvents(bool ignore)
{
    ignoringMouse = ignore;
    setAttribute(Qt::WA_TransparentForMouseEvents, ignore);
}

double WrappingTextField::renderHeight(double maxHeight) const
{
    if (content.isEmpty())
        return 0;
    QTextLayout layout(withLineBreaks(content), font());
    double total = 0;
    for (const Line& line : layOut(layout, width(), maxLines)) {
        // Every line is walked; only those whose bottom edge still fits are counted.
        if (line.top + line.height > maxHeight)
            continue;
        total = line.top + line.height;
    }
    return std::min(maxHeight, total);
}

double WrappingTextField::heightForText(double width) const
{
    if (content.isEmpty())
        return 0;
    QTextLayout layout(withLineBreaks(content), font());
    const auto lines = layOut(layout, width, maxLines);
    return lines.empty() ? 0 : lines.back().top + lines.back().height;
}

void WrappingTextField::paintEvent(QPaintEvent*)
{
    if (content.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(color);
    painter.setClipRect(rect());
    QTextLayout layout(withLineBreaks(content), font());
    for (const Line& line : layOut(layout, width(), maxLines)) {
        if (line.top >= height())
            break;
        line.line.draw(&painter, QPointF(0, 0));
    }
}
