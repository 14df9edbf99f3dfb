#include "OverlayFixture.h"
#include "PreferencesFixture.h"
#include "break/BreakViewPopover.h"
#include "break/BreakViewPopoverViewController.h"
#include "passcode/SetPasscodeViewController.h"
#include "preferences/PreferencesGeneralViewController.h"
#include "records/TaskService.h"
#include "settings/PreferKey.h"
#include "statistics/StatViewController.h"
#include "statistics/StatWindowController.h"
#include "widgets/CountdownLabel.h"
#include "widgets/DrawnButton.h"
#include "widgets/Localizable.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QScreen>
#include <QSet>
#include <QSpinBox>
#include <QStyle>
#include <QTabBar>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

// Every text of a shown window that does not fit its widget: "Class 'text' needs N, has M".
QStringList cutTexts(QWidget* root)
{
    QStringList cut;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        if (!widget->isVisibleTo(root) || widget->width() <= 0)
            continue;
        const auto report = [&](const QString& text, int needs, int has) {
            if (needs > has)
                cut << QStringLiteral("%1 '%2' needs %3, has %4")
                           .arg(QLatin1String(widget->metaObject()->className()), text)
                           .arg(needs)
                           .arg(has);
        };
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->text().isEmpty() || label->wordWrap() || !label->pixmap().isNull())
                continue;
            int needs = 0;
            if (label->textFormat() == Qt::RichText ||
                (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()))) {
                QTextDocument document;
                document.setDefaultFont(label->font());
                document.setDocumentMargin(0);
                document.setHtml(label->text());
                needs = int(std::ceil(document.idealWidth()));
            } else {
                // With a buddy, a single & marks the mnemonic and is not drawn.
                QString shown = label->text();
                if (label->buddy())
                    shown.replace(QLatin1String("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&')).replace(QLatin1Char('\x01'), QLatin1Char('&'));
                needs = label->fontMetrics().boundingRect(QRect(), Qt::TextExpandTabs, shown).width();
            }
            const int margins = 2 * label->margin() + std::max(0, label->indent());
            report(label->text(), needs, label->contentsRect().width() - margins);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            // Buttons of our own have no minimum of their own: their wanted size is the measure.
            QSize wanted = button->minimumSizeHint();
            if (!wanted.isValid())
                wanted = button->sizeHint();
            if (!button->text().isEmpty())
                report(button->text(), wanted.width(), button->width());
        } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            // What the tab's own size hint adds up: the icon, the text and the style's spacing.
            for (int i = 0; i < tabs->count(); ++i) {
                const int icon = tabs->tabIcon(i).isNull() ? 0 : tabs->iconSize().width() + 4;
                const int space = tabs->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, tabs);
                report(tabs->tabText(i), tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)) + icon + space,
                       tabs->tabRect(i).width());
            }
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < combo->count(); ++i) {
                const int needs = combo->fontMetrics().horizontalAdvance(combo->itemText(i));
                report(combo->itemText(i), needs, combo->width() - 2 * combo->iconSize().width());
            }
        }
    }
    return cut;
}

QString inStatistics(const char* source, int n)
{
    return QCoreApplication::translate("StatViewController", source, nullptr, n);
}

} // namespace

TEST(LanguagesTest, TheDesktopsOrderChoosesTheTablesAndEveryTextFallsBackToEnglish)
{
    const auto environment = [](std::map<std::string, QString> values) {
        return [values](const char* name) {
            const auto found = values.find(name);
            return found == values.end() ? QString() : found->second;
        };
    };
    // LANGUAGE first, all of it; then only the first of LC_ALL, LC_MESSAGES and LANG that is set.
    EXPECT_EQ(Localizable::preferredLanguages(environment(
                  {{"LANGUAGE", "pt_BR:de"}, {"LC_ALL", "fr_FR.UTF-8"}, {"LANG", "ru_RU.UTF-8"}})),
              (QStringList{"pt_BR", "de", "fr_FR"}));
    EXPECT_EQ(Localizable::preferredLanguages(environment({{"LC_MESSAGES", "sv_SE.UTF-8@euro"}, {"LANG", "de_DE"}})),
              QStringList{"sv_SE"});
    // "C" asks for English: nothing after it counts.
    EXPECT_EQ(Localizable::preferredLanguages(environment({{"LANGUAGE", "C:de"}, {"LANG", "de_DE.UTF-8"}})),
              QStringList());
    EXPECT_EQ(Localizable::preferredLanguages(environment({{"LC_ALL", "C.UTF-8"}, {"LANG", "de_DE.UTF-8"}})),
              QStringList());

    const QStringList available = Localizable::availableLanguages();
    for (const char* language : {"cs", "de", "en", "es", "fr", "it", "nl", "pl", "pt_BR", "ru", "sv", "tr", "zh_CN"})
        EXPECT_TRUE(available.contains(QLatin1String(language))) << language;
    EXPECT_EQ(Localizable::tableFor(QStringLiteral("de_AT"), available), QStringLiteral("de"));
    EXPECT_EQ(Localizable::tableFor(QStringLiteral("pt"), available), QStringLiteral("pt_BR"));
    EXPECT_EQ(Localizable::tableFor(QStringLiteral("pt_PT"), available), QStringLiteral("pt_BR"));
    EXPECT_EQ(Localizable::tableFor(QStringLiteral("zh_CN"), available), QStringLiteral("zh_CN"));
    // Traditional Chinese is not Simplified: English rather than the wrong script.
    EXPECT_EQ(Localizable::tableFor(QStringLiteral("zh_TW"), available), QString());
    EXPECT_EQ(Localizable::tableFor(QStringLiteral("ja_JP"), available), QString());

    // A language without a table gives way to the next one.
    ASSERT_TRUE(Localizable::install(*qApp, {QStringLiteral("ja_JP"), QStringLiteral("de_DE")}));
    EXPECT_EQ(Localizable::shownLanguage(), QStringLiteral("de"));
    EXPECT_NE(Localizable::text("Popover-Stop"), QStringLiteral("Stop the Break"));
    EXPECT_NE(Localizable::text("Popover-Stop"), QStringLiteral("Popover-Stop"));
    // Qt's own texts (standard buttons, dialogs) in the same language, where Qt has them.
    if (QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm"))) {
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    }

    // Plural forms: English has two, Russian, Polish and Czech three, Chinese one.
    ASSERT_TRUE(Localizable::install(*qApp, QStringList()));
    EXPECT_EQ(inStatistics("%n breaks", 1), QStringLiteral("1 break"));
    EXPECT_EQ(inStatistics("%n breaks", 2), QStringLiteral("2 breaks"));
    EXPECT_EQ(Localizable::text("Popover-Stop"), QStringLiteral("Stop the Break"));
    for (const char* language : {"ru", "pl", "cs"}) {
        ASSERT_TRUE(Localizable::install(*qApp, {QLatin1String(language)}));
        const QString one = inStatistics("%n breaks", 1), few = inStatistics("%n breaks", 3),
                      many = inStatistics("%n breaks", 5);
        EXPECT_TRUE(one.startsWith(QStringLiteral("1 ")) && few.startsWith(QStringLiteral("3 ")) &&
                    many.startsWith(QStringLiteral("5 ")))
            << language;
        EXPECT_EQ(QSet<QString>({one.mid(2), few.mid(2), many.mid(2)}).size(), 3) << language << one.toStdString() << few.toStdString() << many.toStdString();
    }
    // Russian counts 21 as it counts 1.
    ASSERT_TRUE(Localizable::install(*qApp, {QStringLiteral("ru")}));
    EXPECT_EQ(inStatistics("%n breaks", 21).mid(3), inStatistics("%n breaks", 1).mid(2));

    // A table that lacks a text (the small right-to-left test table) shows English for it,
    // never a key such as "Popover-Stop".
    ASSERT_TRUE(Localizable::install(*qApp, {QStringLiteral("he")}));
    EXPECT_EQ(Localizable::text("Stop"), QString::fromUtf8("עצור"));
    EXPECT_EQ(Localizable::text("Popover-Stop"), QStringLiteral("Stop the Break"));
    ASSERT_TRUE(Localizable::install(*qApp, QStringList()));
}

class LanguagesWindowsTest : public PreferencesFixture
{
protected:
    void TearDown() override
    {
        statistics.reset();
        tasks.reset();
        Localizable::install(*qApp, QStringList());
        PreferencesFixture::TearDown();
    }

    FakeClock clock{QDateTime(QDate(2026, 12, 6), QTime(18, 0), Qt::LocalTime)};
    std::unique_ptr<TaskService> tasks;
    std::unique_ptr<StatWindowController> statistics;
};

// Each pane of the preferences and the statistics in every language: no text wider than its
// widget, and no window wider than a 1920×1080 screen at scale 2.
TEST_F(LanguagesWindowsTest, NoTextIsCutInAnyLanguage)
{
    tasks = std::make_unique<TaskService>(*prefs, clock, DataFolder::databasePath());
    Interval task;
    task.type = 1;
    task.start = clock.now().addSecs(-3600);
    task.end = task.start.addSecs(1500);
    ASSERT_TRUE(tasks->insert(task));
    const int halfScreen = 1920 / 2;

    for (const QString& language : Localizable::availableLanguages()) {
        SCOPED_TRACE(language.toStdString());
        ASSERT_TRUE(Localizable::install(*qApp, {language}));
        PreferencesWindowController& preferences = open();
        if (language == QLatin1String("ru")) {
            // A stored number shows its unit in the number's form: 30 takes the "many" form.
            auto& general = pane<PreferencesGeneralViewController>();
            EXPECT_EQ(general.holdMaximumField->text(), QString::fromUtf8("30 минут"));
            EXPECT_EQ(general.awayThresholdField->text(), QString::fromUtf8("10 минут"));
            prefs->setValue(HoldKey::maximum, 3 * 60);
            EXPECT_EQ(general.holdMaximumField->text(), QString::fromUtf8("3 минуты"));
            prefs->setValue(HoldKey::maximum, 30 * 60);
        }
        QSet<int> heights;
        for (int tab = 0; tab < preferences.toolbar()->count(); ++tab) {
            preferences.toolbar()->setCurrentIndex(tab);
            QApplication::processEvents();
            const QString pane = preferences.toolbar()->tabText(tab);
            EXPECT_TRUE(cutTexts(preferences.window()).isEmpty()) << cutTexts(preferences.window()).join(QLatin1Char('\n')).toStdString() << pane.toStdString();
            // Lines a reader can follow, in Chinese too.
            EXPECT_LE(preferences.window()->width(), 720) << pane.toStdString();
            heights.insert(preferences.window()->height());
        }
        // Coming back to the first pane, nothing has moved: every pane has one size.
        preferences.toolbar()->setCurrentIndex(0);
        QApplication::processEvents();
        heights.insert(preferences.window()->height());
        EXPECT_EQ(heights.size(), 1) << "the window's height changes between panes";
        window.reset();

        SetPasscodeViewController passcode(*prefs);
        passcode.show();
        QApplication::processEvents();
        EXPECT_TRUE(cutTexts(&passcode).isEmpty()) << cutTexts(&passcode).join(QLatin1Char('\n')).toStdString() << "passcode";

        statistics = std::make_unique<StatWindowController>(*tasks, *prefs, clock);
        statistics->showWindow();
        QApplication::processEvents();
        EXPECT_TRUE(cutTexts(statistics->window()).isEmpty()) << cutTexts(statistics->window()).join(QLatin1Char('\n')).toStdString() << "statistics";
        EXPECT_LE(statistics->window()->frameGeometry().width(), halfScreen) << "statistics";
        statistics.reset();
    }
}

class LanguagesOverlayTest : public OverlayFixture
{
protected:
    void TearDown() override
    {
        Localizable::install(*qApp, QStringList());
        OverlayFixture::TearDown();
    }
};

// The break's own texts in every language, and a right-to-left language: the windows mirror,
// the countdown, the title and the buttons stay centred on the screen.
TEST_F(LanguagesOverlayTest, TheBreakFitsEveryLanguageAndStaysCentredRightToLeft)
{
    start();
    for (const QString& language : Localizable::availableLanguages()) {
        SCOPED_TRACE(language.toStdString());
        ASSERT_TRUE(Localizable::install(*qApp, {language}));
        shortBreakShown();
        EXPECT_TRUE(cutTexts(&mainWindow()).isEmpty()) << cutTexts(&mainWindow()).join(QLatin1Char('\n')).toStdString();
        view().stopTimerButton->click();
        ASSERT_NE(content().openPopover(), nullptr);
        settle();
        EXPECT_TRUE(cutTexts(content().openPopover()->popover()).isEmpty()) << cutTexts(content().openPopover()->popover()).join(QLatin1Char('\n')).toStdString() << "options";
        content().openPopover()->popover()->close();
        settle();
        // The end of the break and its two buttons.
        advanceSeconds(300);
        settle();
        EXPECT_FALSE(view().backToWorkButtonContainer->isHidden());
        EXPECT_TRUE(cutTexts(&mainWindow()).isEmpty()) << cutTexts(&mainWindow()).join(QLatin1Char('\n')).toStdString() << "back to work";
        view().backToWorkCloseButton->click();
        settle();
    }

    ASSERT_TRUE(Localizable::install(*qApp, {QStringLiteral("he")}));
    EXPECT_EQ(QApplication::layoutDirection(), Qt::RightToLeft);
    shortBreakShown();
    EXPECT_EQ(view().titleLabel->text(), QString::fromUtf8("קח הפסקה"));
    const int middle = mainWindow().width() / 2;
    for (QWidget* part : {static_cast<QWidget*>(view().titleLabel), static_cast<QWidget*>(view().timeLabel),
                          static_cast<QWidget*>(view().stopTimerButton)}) {
        const QRect shown(part->mapTo(&mainWindow(), QPoint(0, 0)), part->size());
        EXPECT_NEAR(shown.center().x(), middle, 2) << part->metaObject()->className();
    }
    EXPECT_TRUE(cutTexts(&mainWindow()).isEmpty()) << cutTexts(&mainWindow()).join(QLatin1Char('\n')).toStdString();
    app->stopBreak();
    settle();
    ASSERT_TRUE(Localizable::install(*qApp, QStringList()));
    EXPECT_EQ(QApplication::layoutDirection(), Qt::LeftToRight);
}
