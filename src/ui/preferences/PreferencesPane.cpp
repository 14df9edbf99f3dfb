#include "preferences/PreferencesPane.h"

#include "diagnostics/UsageTracker.h"
#include "widgets/Localizable.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>

PreferencesPane::PreferencesPane(const QString& className, QWidget* parent) : QWidget(parent), name(className)
{
    setObjectName(className);
    trackContentView(className);
}

void PreferencesPane::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A pane lives for one visit of its tab; showing the window again is not a new visit.
    if (appeared)
        return;
    appeared = true;
    viewDidAppear();
}

void PreferencesPane::viewDidAppear()
{
    trackQualifiedClassName(name);
}

QLabel* PreferencesPane::heading(const char* key, QWidget* parent)
{
    auto* label = new QLabel(Localizable::text(key), parent);
    label->setTextFormat(Qt::PlainText);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QPushButton* PreferencesPane::makeRestoreDefaultsButton(Preferences& preferences,
                                                        UserDefaults::PreferencesPane pane)
{
    auto* button = new QPushButton(tr("&Restore Defaults"), this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, &preferences, pane] {
        if (restoreQuestion && restoreQuestion->isVisible())
            return;
        QString paneName, what;
        switch (pane) {
        case UserDefaults::PreferencesPane::general:
            paneName = tr("General");
            what = tr("The lengths, the tray icon, the break and the away settings go back to how Mirelo "
                      "came. Launch at login stays as it is.");
            break;
        case UserDefaults::PreferencesPane::wallpaper:
            paneName = tr("Wallpaper");
            what = tr("The break background and the quotes go back to how Mirelo came. The quotes you "
                      "wrote are kept.");
            break;
        case UserDefaults::PreferencesPane::advanced:
            paneName = tr("Advanced");
            what = tr("The passcode lock is turned off, and its delay, the fingerprint and the global "
                      "shortcuts go back to how Mirelo came. Your passcode is kept for when you turn the "
                      "lock on again.");
            break;
        }
        auto* question = new QMessageBox(QMessageBox::Question, tr("Restore Defaults"),
                                         tr("Restore the default settings of %1?").arg(paneName),
                                         QMessageBox::Cancel, window());
        question->setInformativeText(what);
        QPushButton* restore = question->addButton(tr("Restore Defaults"), QMessageBox::DestructiveRole);
        question->setDefaultButton(QMessageBox::Cancel);
        question->setAttribute(Qt::WA_DeleteOnClose);
        question->setWindowModality(Qt::WindowModal);
        connect(question, &QMessageBox::finished, this, [question, restore, &preferences, pane] {
            if (question->clickedButton() == restore)
                UserDefaults::restoreDefaults(preferences, pane);
        });
        restoreQuestion = question;
        question->open();
    });
    return button;
}
