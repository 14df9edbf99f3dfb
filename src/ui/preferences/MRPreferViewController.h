#pragma once

#include <QWidget>

class QLabel;

// Base of the preferences panes: reports contentView when built and the pane's page view
// the first time it is shown.
class MRPreferViewController : public QWidget
{
    Q_OBJECT
public:
    MRPreferViewController(const QString& className, QWidget* parent = nullptr);

    QString className() const { return name; }
    // A section heading of a pane: bold, plain text from the "Localizable" table.
    static QLabel* heading(const char* key, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
    virtual void viewDidAppear();

private:
    QString name;
    bool appeared = false;
};
