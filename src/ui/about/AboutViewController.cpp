#include "about/AboutViewController.h"

#include "about/AcknowledgementsViewController.h"
#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "widgets/Localizable.h"

#include <QDesktopServices>
#include <QEvent>
#include <QHideEvent>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

const QUrl AboutViewController::authorUrl(QStringLiteral("https://mirelo.org/team"));
const QUrl AboutViewController::homepageUrl(QStringLiteral("https://mirelo.org"));

namespace {
// Rich text takes its link colour from the application, not from the label: the colour is
// written into the markup so that links stay readable on a dark palette.
void setLink(QLabel* label, const QString& text, const QUrl& url, const QColor& colour)
{
    label->setText(QStringLiteral("<a href=\"%1\"><span style=\"color: %2\">%3</span></a>")
                       .arg(url.toString(), colour.name(), text.toHtmlEscaped()));
}

QLabel* linkLabel(const QString& text, const QUrl& url, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::RichText);
    setLink(label, text, url, parent->palette().color(QPalette::Link));
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setFocusPolicy(Qt::TabFocus);
    label->setOpenExternalLinks(false);
    label->setAlignment(Qt::AlignCenter);
    label->setToolTip(url.toString());
    return label;
}
} // namespace

AboutViewController::AboutViewController(QWidget* parent, std::function<bool(const QUrl&)> opener)
    : PreferencesPane(QStringLiteral("AboutViewController"), parent), openUrl(std::move(opener))
{
    if (!openUrl)
        openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(32, 24, 32, 24);
    column->setSpacing(6);

    auto* iconLabel = new QLabel(this);
    const int side = 96;
    iconLabel->setAccessibleName(tr("Mirelo icon"));
    iconLabel->setPixmap(QIcon(QStringLiteral(":/about/org.mirelo.Mirelo.svg"))
                             .pixmap(QSize(side, side), devicePixelRatioF()));
    iconLabel->setAlignment(Qt::AlignCenter);
    column->addWidget(iconLabel);

    nameLabel = new QLabel(QStringLiteral("Mirelo"), this);
    QFont title = nameLabel->font();
    title.setPointSizeF(title.pointSizeF() * 1.6);
    title.setBold(true);
    nameLabel->setFont(title);
    versionLabel = new QLabel(versionText(), this);
    versionLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    legalLabel = new QLabel(
        Localizable::text(
            "Copyright © 2026 the Mirelo developers. Free software under the GNU GPL, version 3 or later."),
        this);
    legalLabel->setWordWrap(true);
    for (QLabel* label : {nameLabel, versionLabel, legalLabel}) {
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignCenter);
    }
    QFont small = legalLabel->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    legalLabel->setFont(small);
    column->addWidget(nameLabel);
    column->addWidget(versionLabel);
    column->addSpacing(8);
    column->addWidget(legalLabel);
    column->addSpacing(8);

    authorLink = linkLabel(Localizable::text("The Mirelo developers"), authorUrl, this);
    homepageLink = linkLabel(homepageUrl.host(), homepageUrl, this);
    connect(authorLink, &QLabel::linkActivated, this, [this] { clickAuthorLink(); });
    connect(homepageLink, &QLabel::linkActivated, this, [this] { clickHomepageLink(); });
    column->addWidget(authorLink);
    column->addWidget(homepageLink);
    column->addSpacing(12);

    acknowledgementsButton = new QPushButton(Localizable::text("Acknowledgements"), this);
    acknowledgementsButton->setAutoDefault(false);
    connect(acknowledgementsButton, &QPushButton::clicked, this, [this] { showAcknowledgements(); });
    column->addWidget(acknowledgementsButton, 0, Qt::AlignCenter);
    column->addStretch(1);
    setMinimumWidth(420);
}

AboutViewController::~AboutViewController()
{
    delete acknowledgementsWindow.data();
}

QString AboutViewController::versionText()
{
    const Log::BuildInfo build = Log::buildInfo();
    QString text = Localizable::text("Version %1 (%2)").arg(build.shortVersion, build.buildNumber);
    if (!build.releaseStage.isEmpty())
        text += QStringLiteral(" ") + build.releaseStage;
    return text;
}

void AboutViewController::changeEvent(QEvent* event)
{
    PreferencesPane::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && authorLink) {
        // The labels learn of the change after this view: take the colour from here.
        const QColor link = palette().color(QPalette::Link);
        setLink(authorLink, Localizable::text("The Mirelo developers"), authorUrl, link);
        setLink(homepageLink, homepageUrl.host(), homepageUrl, link);
    }
}

void AboutViewController::hideEvent(QHideEvent* event)
{
    PreferencesPane::hideEvent(event);
    // The list belongs to the window it was opened from: it goes when that window does.
    if (acknowledgementsWindow)
        acknowledgementsWindow->close();
}

void AboutViewController::clickAuthorLink()
{
    track(UsageEvent::clickAuthorLink);
    open(authorUrl);
}

void AboutViewController::clickHomepageLink()
{
    track(UsageEvent::clickHomepageLink);
    open(homepageUrl);
}

void AboutViewController::open(const QUrl& url)
{
    if (!openUrl(url))
        LOG_ERROR(QStringLiteral("Can't open ") + url.toString());
}

void AboutViewController::showAcknowledgements()
{
    const bool first = !acknowledgementsWindow;
    if (first) {
        acknowledgementsWindow = new AcknowledgementsViewController;
        QPointer<AboutViewController> about(this);
        acknowledgementsWindow->openUrl = [about](const QUrl& url) {
            if (about)
                about->open(url);
        };
    }
    // A window of its own: it takes the look of the window it was opened from.
    acknowledgementsWindow->setPalette(window()->palette());
    if (first) {
        // Beside the window it was opened from, on the same screen, not wherever the window
        // manager finds room.
        const QRect from = window()->frameGeometry();
        const QSize size = acknowledgementsWindow->size();
        const QRect area = window()->screen() ? window()->screen()->availableGeometry() : QRect();
        QPoint at = from.topRight() + QPoint(12, 0);
        if (area.isValid() && !area.contains(QRect(at, size)))
            at = from.topLeft() - QPoint(size.width() + 12, 0);
        if (area.isValid() && !area.contains(QRect(at, size)))
            at = from.center() - QPoint(size.width() / 2, size.height() / 2);
        if (area.isValid())
            at = QPoint(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - size.width())),
                        std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - size.height())));
        acknowledgementsWindow->move(at);
    }
    acknowledgementsWindow->show();
    acknowledgementsWindow->raise();
    acknowledgementsWindow->activateWindow();
}
