#include "LogCapture.h"
#include "RecordingUsageTracker.h"
#include "TestEnvironment.h"
#include "about/AboutViewController.h"
#include "about/AcknowledgementsViewController.h"
#include "diagnostics/Log.h"
#include "preferences/PreferenceScrollView.h"
#include "widgets/DesktopPalette.h"

#include <QApplication>
#include <QWheelEvent>

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

class AboutTest : public TestEnvironment
{};

TEST_F(AboutTest, ShowsTheBuildOpensItsLinksAndListsEveryLibraryWithItsLicence)
{
    auto tracker = RecordingUsageTracker::install();
    QList<QUrl> opened;
    AboutViewController about(nullptr, [&](const QUrl& url) {
        opened << url;
        return true;
    });
    const Log::BuildInfo build = Log::buildInfo();
    EXPECT_TRUE(
        about.versionLabel->text().contains(build.shortVersion + QStringLiteral(" (") + build.buildNumber));

    Q_EMIT about.authorLink->linkActivated(AboutViewController::authorUrl.toString());
    Q_EMIT about.homepageLink->linkActivated(AboutViewController::homepageUrl.toString());
    EXPECT_EQ(opened, (QList<QUrl>{AboutViewController::authorUrl, AboutViewController::homepageUrl}));
    EXPECT_TRUE(tracker->names().contains(QStringLiteral("clickAuthorLink")));
    EXPECT_TRUE(tracker->names().contains(QStringLiteral("clickHomepageLink")));

    about.acknowledgementsButton->click();
    ASSERT_NE(about.acknowledgements(), nullptr);
    QTreeWidget* list = about.acknowledgements()->list;
    ASSERT_GE(list->topLevelItemCount(), 6);
    QStringList names;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        names << list->topLevelItem(i)->text(0);
        EXPECT_FALSE(list->topLevelItem(i)->text(1).isEmpty()) << names.last().toStdString();
    }
    for (const char* linked : {"Qt", "SQLite", "SQLiteCpp", "spdlog", "QuaZip", "libcanberra"})
        EXPECT_TRUE(names.contains(QLatin1String(linked))) << linked;
    // One click on an address opens it; a click elsewhere on the row does not.
    opened.clear();
    QTreeWidgetItem* first = list->topLevelItem(0);
    Q_EMIT list->itemClicked(first, 0);
    EXPECT_TRUE(opened.isEmpty());
    Q_EMIT list->itemClicked(first, 2);
    EXPECT_EQ(opened, QList<QUrl>{QUrl(first->text(2))});
    // Nothing cut: every name and licence fits its column.
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        for (int c = 0; c < 2; ++c)
            EXPECT_GE(list->columnWidth(c),
                      list->fontMetrics().horizontalAdvance(list->topLevelItem(i)->text(c)))
                << i << ":" << c;
    }
    EXPECT_TRUE(AcknowledgementsViewController::libraries("{\"not\": \"a list\"}").isEmpty());
}

TEST_F(AboutTest, DarkDesktopsGetADarkPaletteAndSidewaysScrollsReachTheParent)
{
    const bool desktopIsDark = DesktopPalette::isDark(QApplication::palette());
    EXPECT_EQ(DesktopPalette::forAppearance(desktopIsDark).color(QPalette::Window),
              QApplication::palette().color(QPalette::Window));
    const QPalette other = DesktopPalette::forAppearance(!desktopIsDark);
    EXPECT_EQ(DesktopPalette::isDark(other), !desktopIsDark);
    EXPECT_NE(other.color(QPalette::Base), other.color(QPalette::Window));
    // Hints and totals read in both appearances; a faint theme colour is made darker, not kept.
    for (bool dark : {false, true}) {
        const QPalette palette = DesktopPalette::forAppearance(dark);
        EXPECT_GE(DesktopPalette::contrast(palette.color(QPalette::PlaceholderText),
                                           palette.color(QPalette::Window)),
                  4.5)
            << dark;
    }
    EXPECT_NEAR(DesktopPalette::contrast(QColor(0xBE, 0xBE, 0xBE), Qt::white), 1.86, 0.01);
    EXPECT_GE(
        DesktopPalette::contrast(DesktopPalette::readableOn(QColor(0xBE, 0xBE, 0xBE), Qt::white), Qt::white),
        4.5);

    struct Counting : QWidget
    {
        int wheels = 0;
        void wheelEvent(QWheelEvent*) override { ++wheels; }
    } parent;
    auto* view = new PreferenceScrollView(&parent);
    view->setWidget(new QWidget);
    auto wheel = [&](QPoint delta) {
        QWheelEvent event(QPointF(5, 5), QPointF(5, 5), {}, delta, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(view->viewport(), &event);
    };
    wheel(QPoint(0, -120));
    EXPECT_EQ(parent.wheels, 0);
    wheel(QPoint(-120, 0));
    EXPECT_EQ(parent.wheels, 1);
}
