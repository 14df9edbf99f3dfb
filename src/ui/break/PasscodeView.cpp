#include "break/PasscodeView.h"

#include "break/BreakView.h"
#include "widgets/DrawnButton.h"
#include "widgets/Localizable.h"
#include "widgets/OverlayFonts.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const QColor warningRed(255, 69, 58);

} // namespace

PasscodeDot::PasscodeDot(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void PasscodeDot::setLook(Look look)
{
    if (look == current)
        return;
    current = look;
    update();
}

QSize PasscodeDot::sizeHint() const
{
    return {18, 18};
}

void PasscodeDot::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(width(), height());
    const double pen = std::max(1.5, side / 10);
    const QRectF circle((width() - side) / 2 + pen, (height() - side) / 2 + pen, side - 2 * pen,
                        side - 2 * pen);
    // A faint dark rim keeps a white dot visible over a light picture.
    painter.setPen(QPen(QColor(0, 0, 0, 90), pen * 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(circle);
    switch (current) {
    case Look::empty:
        painter.setPen(QPen(Qt::white, pen));
        painter.drawEllipse(circle.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2));
        break;
    case Look::typed:
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawEllipse(circle);
        break;
    case Look::warning:
        painter.setPen(Qt::NoPen);
        painter.setBrush(warningRed);
        painter.drawEllipse(circle);
        break;
    }
}

PasscodeView::PasscodeView(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    titleLabel = new QLabel(this);
    titleLabel->setTextFormat(Qt::PlainText);
    titleLabel->setAlignment(Qt::AlignCenter);
    titleLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette white = titleLabel->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    titleLabel->setPalette(white);

    imagesContainer = new QWidget(this);
    auto* row = new QHBoxLayout(imagesContainer);
    row->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < passcodeLength; ++i)
        row->addWidget(new PasscodeDot(imagesContainer));

    fingerprintImgView = new QLabel(this);
    fingerprintImgView->setAlignment(Qt::AlignCenter);
    fingerprintImgView->setAttribute(Qt::WA_TransparentForMouseEvents);
    fingerprintImgView->hide();

    for (QLabel** label : {&messageLabel, &timeLeftLabel}) {
        *label = new QLabel(this);
        (*label)->setTextFormat(Qt::PlainText);
        (*label)->setAlignment(Qt::AlignCenter);
        (*label)->setAttribute(Qt::WA_TransparentForMouseEvents);
        (*label)->setPalette(white);
    }
    timeLeftLabel->hide();
    cancelButton = new DrawnButton(this);
    cancelButton->setText(Localizable::text("Cancel"));
    cancelButton->setTitleColor(Qt::white);
    cancelButton->hide();

    reset();
    layoutContent();
}

void PasscodeView::setDismissable(bool canLeave)
{
    dismissable = canLeave;
    cancelButton->setVisible(dismissable);
    timeLeftLabel->setVisible(true);
    setTimeLeft(timeLeft);
}

void PasscodeView::setTimeLeft(const QString& time)
{
    timeLeft = time;
    timeLeftLabel->setText(
        dismissable ? Localizable::text("%1 left in this break").arg(time)
                    : Localizable::text("The break is over. Type your passcode to return to your desktop."));
}

QChar PasscodeView::passcodeCharacter(const QString& text)
{
    if (text.size() != 1)
        return {};
    const QChar c = text.at(0).toLower();
    if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
        return c;
    return {};
}

void PasscodeView::gotKey(int key, const QString& text)
{
    if (showedWarning)
        reset();
    if (key == Qt::Key_Backspace) {
        if (!typedString.isEmpty())
            typedString.chop(1);
        updateImages();
        return;
    }
    if (const QChar c = passcodeCharacter(text); !c.isNull())
        typedString.append(c);
    updateImages();
    if (typedString.toUtf8().size() >= passcodeLength && didFinishedBlock)
        didFinishedBlock(typedString);
}

void PasscodeView::reset()
{
    typedString.clear();
    showedWarning = false;
    messageLabel->clear();
    imageViews.clear();
    for (QObject* child : imagesContainer->children()) {
        if (auto* dot = qobject_cast<PasscodeDot*>(child)) {
            imageViews.push_back(dot);
            dot->setLook(PasscodeDot::Look::empty);
        }
    }
    updateImages();
}

void PasscodeView::updateImages()
{
    for (std::size_t i = 0; i < imageViews.size(); ++i)
        imageViews[i]->setLook(qsizetype(i) < typedString.size() ? PasscodeDot::Look::typed
                                                                 : PasscodeDot::Look::empty);
    // The dots in words, for whoever cannot see them.
    imagesContainer->setAccessibleName(
        tr("%1 of %2 characters typed").arg(typedString.size()).arg(passcodeLength));
    imagesContainer->setAccessibleDescription(QString());
}

void PasscodeView::showWarning()
{
    showedWarning = true;
    for (PasscodeDot* dot : imageViews)
        dot->setLook(PasscodeDot::Look::warning);
    messageLabel->setText(Localizable::text("Wrong passcode. Type it again."));
    imagesContainer->setAccessibleDescription(messageLabel->text());
}

void PasscodeView::layoutContent()
{
    const double s = BreakView::scaleFor(size());
    titleLabel->setFont(OverlayFonts::light(int(std::lround(38 * s))));
    // From the font, not the text: the layout stays put whatever the title says.
    const int titleHeight = QFontMetrics(titleLabel->font()).height() + 2 * titleLabel->margin();
    const int dot = int(std::lround(18 * s));
    const int gap = int(std::lround(22 * s));
    static_cast<QHBoxLayout*>(imagesContainer->layout())->setSpacing(gap);
    for (PasscodeDot* d : imageViews)
        d->setFixedSize(dot, dot);
    const int rowWidth = passcodeLength * dot + (passcodeLength - 1) * gap;
    const int picture = int(std::lround(64 * s));
    const int spacing = int(std::lround(28 * s));
    const int total = titleHeight + spacing + std::max(dot, picture);
    const int top = std::max(0, (height() - total) / 2 - height() / 25);
    titleLabel->setGeometry(0, top, width(), titleHeight);
    const int below = top + titleHeight + spacing;
    imagesContainer->setGeometry((width() - rowWidth) / 2, below + (picture - dot) / 2, rowWidth, dot);
    fingerprintImgView->setGeometry((width() - picture) / 2, below, picture, picture);
    const int line = QFontMetrics(OverlayFonts::regular(int(std::lround(16 * s)))).height();
    int next = below + picture + int(std::lround(18 * s));
    for (QLabel* label : {messageLabel, timeLeftLabel}) {
        label->setFont(OverlayFonts::regular(int(std::lround(16 * s))));
        label->setGeometry(0, next, width(), line);
        next += line + int(std::lround(6 * s));
    }
    const QSize button(int(std::lround(136 * s)), int(std::lround(42 * s)));
    cancelButton->setFont(OverlayFonts::regular(int(std::lround(16 * s))));
    cancelButton->setGeometry((width() - button.width()) / 2, next + int(std::lround(12 * s)), button.width(),
                              button.height());
    const QIcon fingerprint(QStringLiteral(":/break/fingerprint.svg"));
    fingerprintImgView->setPixmap(fingerprint.pixmap(QSize(picture, picture), devicePixelRatioF()));
}

void PasscodeView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutContent();
}
