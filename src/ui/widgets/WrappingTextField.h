#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

// A wrapping, centred text field for text that comes from elsewhere (quotes): always plain
// text, never markup. Lines wrap at word boundaries, or anywhere when a word is wider than the
// field; lines beyond the field's height are cut. While ignoreMouseEvents is set, clicks pass
// through to what lies behind.
class WrappingTextField : public QWidget
{
    Q_OBJECT
public:
    explicit WrappingTextField(QWidget* parent = nullptr);

    QString text() const { return content; }
    void setText(const QString& text);
    void setTextColor(const QColor& color);
    QColor textColor() const { return color; }
    void setMaximumNumberOfLines(int lines);
    int maximumNumberOfLines() const { return maxLines; }

    bool ignoreMouseEvents() const { return ignoringMouse; }
    void setIgnoreMouseEvents(bool ignore);

    // The height of the lines that fit into maxHeight at the field's current width: the
    // bottom edge of the last line that fits, never more than maxHeight.
    double renderHeight(double maxHeight) const;
    // The height all lines need at the given width.
    double heightForText(double width) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString content;
    QColor color = Qt::white;
    int maxLines = 20;
    bool ignoringMouse = false;
};
