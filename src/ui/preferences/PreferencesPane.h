#pragma once

#include "settings/UserDefaults.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QMessageBox;
class QPushButton;
class Preferences;

// Base of the preferences panes: reports contentView when built and the pane's page view
// the first time it is shown.
class PreferencesPane : public QWidget
{
    Q_OBJECT
public:
    PreferencesPane(const QString& className, QWidget* parent = nullptr);

    QString className() const { return name; }
    // A section heading of a pane: bold, plain text from the "Localizable" table.
    static QLabel* heading(const char* key, QWidget* parent);

    // The open "Restore defaults" question, if any.
    QPointer<QMessageBox> restoreQuestion;

protected:
    // A "Restore defaults" button for this pane: it asks first, then resets the pane's keys and
    // only those; the controls follow the store by their observations.
    QPushButton* makeRestoreDefaultsButton(Preferences& preferences, UserDefaults::PreferencesPane pane);

    void showEvent(QShowEvent* event) override;
    virtual void viewDidAppear();

private:
    QString name;
    bool appeared = false;
};
