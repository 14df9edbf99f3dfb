#include "preferences/WallpaperPreviewView.h"

#include "widgets/LoadingIndicator.h"
#include "widgets/Localizable.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

WallpaperPreviewView::WallpaperPreviewView(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setMinimumSize(240, 135);
    auto* column = new QVBoxLayout(this);
    column->addStretch(1);
    titleLabel = new QLabel(Localizable::text("Take a break"), this);
    timeLabel = new QLabel(QStringLiteral("05:00"), this);
    for (QLabel* label : {titleLabel, timeLabel}) {
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    }
    QFont title = font();
    title.setPointSizeF(title.pointSizeF() * 1.5);
    title.setWeight(QFont::Light);
    titleLabel->setFont(title);
    QFont time = font();
    time.setPointSizeF(time.pointSizeF() * 2.6);
    time.setWeight(QFont::Light);
    timeLabel->setFont(time);
    column->addWidget(titleLabel);
    column->addWidget(timeLabel);
    messageLabel = new QLabel(this);
    messageLabel->setTextFormat(Qt::PlainText);
    messageLabel->setAlignment(Qt::AlignCenter);
    messageLabel->setWordWrap(true);
    messageLabel->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    messageLabel->hide();
    column->addWidget(messageLabel);
    column->addStretch(1);
    loadingIndicator = new LoadingIndicator(this);
    loadingIndicator->resize(loadingIndicator->sizeHint());
    setAccessibleName(Localizable::text("Break preview"));
}

void WallpaperPreviewView::setImage(const std::optional<QImage>& image)
{
    source = image ? *image : QImage();
    cropped = QPixmap();
    loadingIndicator->setHidden(hasImage() || !messageLabel->isHidden());
    update();
}

void WallpaperPreviewView::setMessage(const QString& message)
{
    messageLabel->setText(message);
    messageLabel->setHidden(message.isEmpty());
    loadingIndicator->setHidden(hasImage() || !message.isEmpty());
}

void WallpaperPreviewView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    cropped = QPixmap();
    loadingIndicator->move(width() - loadingIndicator->width() - 8, 8);
}

void WallpaperPreviewView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(rect()), 6, 6);
    painter.setClipPath(clip);
    painter.fillRect(rect(), QColor(40, 40, 40));
    if (!source.isNull()) {
        // Cropped to fill, scaled once per size in device pixels so HiDPI stays sharp.
        const qreal ratio = devicePixelRatioF();
        const QSize target = size() * ratio;
        if (cropped.isNull() || cropped.size() != target) {
            const QImage filled =
                source.scaled(target, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
            const QRect centre((filled.width() - target.width()) / 2, (filled.height() - target.height()) / 2,
                               target.width(), target.height());
            cropped = QPixmap::fromImage(filled.copy(centre));
            cropped.setDevicePixelRatio(ratio);
        }
        painter.drawPixmap(0, 0, cropped);
    }
    painter.fillRect(rect(), QColor(0, 0, 0, 128));
}
