#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QString>
#include <QWidget>

// The countdown of the break overlay: large digits repainted every second over a full-screen
// picture. Each character sits in a cell of its own (every digit as wide as the widest), the
// glyphs are drawn once into small images, and a new count repaints only the cells whose
// character changed: one second costs the copy of one digit, not the text layout of five.
class CountdownLabel : public QWidget
{
    Q_OBJECT
public:
    explicit CountdownLabel(QWidget* parent = nullptr);

    QString text() const { return content; }
    void setText(const QString& text);
    void setTextColor(const QColor& color);
    QColor textColor() const { return color; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    // The width the current text takes on screen.
    int textWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int cellWidth(QChar c) const;
    // The rectangles of the cells of text, laid out centred in the view.
    QList<QRect> cells(const QString& text) const;
    const QImage& glyph(QChar c);

    QString content;
    QColor color = Qt::white;
    QHash<QChar, QImage> glyphs;
    // Cell widths by character, every digit under '0'.
    mutable QHash<QChar, int> widths;
    qreal glyphRatio = 0;
};
