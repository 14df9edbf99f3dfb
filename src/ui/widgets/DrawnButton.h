#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QString>

#include <memory>

class QSvgRenderer;

// A button drawn by the program: an optional SVG picture stretched over it, or a flat fill,
// with a centred title. Hovering and pressing lighten it.
class DrawnButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit DrawnButton(QWidget* parent = nullptr);
    ~DrawnButton() override;

    void setImage(const QString& svgResource);
    QString image() const { return imagePath; }
    void setTitleColor(const QColor& color);
    QColor titleColor() const { return titleTint; }
    // Flat look (no picture): the fill, and separator lines above and (when asked) below.
    void setFillColor(const QColor& color);
    void setSeparatorColor(const QColor& color, bool alsoBelow = false);
    void setHighlightColor(const QColor& color);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString imagePath;
    std::unique_ptr<QSvgRenderer> renderer;
    QColor titleTint = Qt::white;
    QColor fill = Qt::transparent;
    QColor separator = Qt::transparent;
    bool separatorBelow = false;
    QColor highlight = QColor::fromRgbF(1, 1, 1, 0.12f);
    bool hovered = false;
};
