#include "preferences/PreferencesWindowController.h"

#include "about/AboutViewController.h"
#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "preferences/EventSoundsView.h"
#include "preferences/PreferenceScrollView.h"
#include "preferences/PreferencesAdvancedViewController.h"
#include "preferences/PreferencesGeneralViewController.h"
#include "preferences/PreferencesWallpaperViewController.h"
#include "widgets/Localizable.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>

#include <algorithm>

const std::vector<PreferTab>& PreferencesWindowController::allTabs()
{
    static const std::vector<PreferTab> tabs{PreferTab::general, PreferTab::wallpaper, PreferTab::advanced,
                                             PreferTab::about};
    return tabs;
}

QString PreferencesWindowController::title(PreferTab tab)
{
    switch (tab) {
    case PreferTab::general:
        return Localizable::text("Pref-General");
    case PreferTab::wallpaper:
        return Localizable::text("Pref-Wallpaper");
    case PreferTab::advanced:
        return Localizable::text("Pref-Advanced");
    case PreferTab::about:
        return Localizable::text("Pref-About");
    }
    return {};
}

QIcon PreferencesWindowController::icon(PreferTab tab)
{
    // The desktop's icon theme first; the bundled picture where the theme has none.
    struct Names
    {
        const char* themed;
        const char* bundled;
    };
    static const Names names[] = {{"preferences-system", ":/preferences/Pref-General.svg"},
                                  {"preferences-desktop-wallpaper", ":/preferences/Pref-Wallpaper.svg"},
                                  {"system-lock-screen", ":/preferences/Pref-Advanced.svg"},
                                  {"help-about", ":/preferences/Pref-About.svg"}};
    const Names& n = names[int(tab)];
    return QIcon::fromTheme(QLatin1String(n.themed), QIcon(QLatin1String(n.bundled)));
}

PreferencesWindowController::PreferencesWindowController(std::vector<PreferTab> tabs, Services services,
                                                         QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      tabList(std::move(tabs)), services(std::move(services))
{
    Q_ASSERT(!tabList.empty());
    setObjectName(QStringLiteral("PreferencesWindow"));
    setWindowIcon(QIcon(QStringLiteral(":/about/org.mirelo.Mirelo.svg")));
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    tabBar = new QTabBar(this);
    tabBar->setDocumentMode(true);
    tabBar->setExpanding(false);
    tabBar->setDrawBase(false);
    tabBar->setIconSize(QSize(24, 24));
    for (PreferTab tab : tabList) {
        const int index = tabBar->addTab(icon(tab), title(tab));
        tabBar->setTabData(index, int(tab));
        tabBar->setTabToolTip(index, title(tab));
    }
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(8, 8, 8, 0);
    bar->addStretch(1);
    bar->addWidget(tabBar);
    bar->addStretch(1);
    root->addLayout(bar);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    root->addWidget(line);
    contentLayout = new QVBoxLayout;
    contentLayout->setContentsMargins(0, 0, 0, 0);
    root->addLayout(contentLayout, 1);

    connect(tabBar, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0)
            changeTab(tabBar->tabData(index).toInt());
    });

    // The keys a tabbed dialog answers to on every desktop.
    auto step = [this](int by) {
        const int count = tabBar->count();
        tabBar->setCurrentIndex((tabBar->currentIndex() + by + count) % count);
    };
    for (const QKeySequence& key :
         {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, [step] { step(1); });
    for (const QKeySequence& key :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, [step] { step(-1); });
    for (const QKeySequence& key : {QKeySequence(QKeySequence::Close), QKeySequence(Qt::Key_Escape)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);

    changeTab(0, false);
}

PreferencesWindowController::~PreferencesWindowController() = default;

PreferencesPane* PreferencesWindowController::makeContent(PreferTab tab)
{
    switch (tab) {
    case PreferTab::general: {
        auto* general = new PreferencesGeneralViewController(*services.preferences, *services.loginItems);
        general->eventSoundsView()->setTryOut(services.trySound);
        return general;
    }
    case PreferTab::wallpaper:
        return new PreferencesWallpaperViewController(services.wallpaper);
    case PreferTab::advanced:
        return new PreferencesAdvancedViewController(services.advanced);
    case PreferTab::about:
        return new AboutViewController;
    }
    return nullptr;
}

void PreferencesWindowController::changeTab(int tag)
{
    if (tag < 0 || tag > int(PreferTab::about))
        return;
    for (int index = 0; index < int(tabList.size()); ++index) {
        if (int(tabList[index]) == tag) {
            changeTab(index, true);
            return;
        }
    }
}

void PreferencesWindowController::changeTab(int index, bool animate)
{
    Q_UNUSED(animate); // the size changes at once; the window manager may animate it
    if (index == current || index < 0 || index >= int(tabList.size()))
        return;
    current = index;
    const PreferTab tab = tabList[index];
    {
        const QSignalBlocker blocker(tabBar);
        tabBar->setCurrentIndex(index);
    }
    // The taskbar shows the title alone: it names the program as well as the pane.
    setWindowTitle(tr("Mirelo Preferences \u2014 %1").arg(title(tab)));

    // The old pane goes at once: its observations and pending previews end with it.
    delete holder;
    content = makeContent(tab);
    holder = content;
    if (tab != PreferTab::general) {
        // A fixed-size pane scrolls where the screen is too small for it; General scrolls
        // its own part and keeps its button in view.
        auto* scroller = new PreferenceScrollView;
        scroller->setWidget(content);
        holder = scroller;
    }
    contentLayout->addWidget(holder);
    // Shown now, not on the layout's next pass: the pane's first appearance is its visit.
    holder->show();
    content->show();
    applyWindowStyle(tab);
}

void PreferencesWindowController::applyWindowStyle(PreferTab tab)
{
    // Sizes are constraints on the same window, never a new window: the top-left corner,
    // and so the top edge, stays where it is.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    layout()->activate();
    // On a small or highly scaled screen the pane scrolls instead of running off it.
    QSize natural = sizeHint().expandedTo(minimumSizeHint());
    // One size for every pane, so that nothing moves under the pointer on a tab switch: wide
    // enough for the widest pane at any font size — measured in Latin digits, which a CJK
    // font draws half as wide as its average character — and no wider than its texts need.
    const int digitWidth = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    paneWidth = std::max({paneWidth, std::min(digitWidth * 100, maximumPaneWidth), natural.width()});
    paneHeight = std::max(paneHeight, natural.height());
    natural = QSize(paneWidth, paneHeight);
    QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    const QSize room = shown ? shown->availableGeometry().size() - QSize(16, 48) : natural;
    if (tab == PreferTab::general) {
        setMinimumSize(minimumSizeHint());
        resize(natural.boundedTo(room).expandedTo(minimumSize()));
    } else {
        setFixedSize(natural.boundedTo(room));
    }
}

void PreferencesWindowController::showWindow()
{
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        const QSize frame = isVisible() ? frameGeometry().size() : size();
        move(area.center() - QPoint(frame.width() / 2, frame.height() / 2));
    }
    show();
    raise();
    activateWindow();
    if (!QApplication::focusWidget() || !isAncestorOf(QApplication::focusWidget()))
        tabBar->setFocus(Qt::ActiveWindowFocusReason);
}

void PreferencesWindowController::closeEvent(QCloseEvent* event)
{
    track(UsageEvent::prefsWindowClose);
    QWidget::closeEvent(event);
}
