#include "preferences/MRPreferViewController.h"

#include "diagnostics/UsageTracker.h"

#include <QShowEvent>

MRPreferViewController::MRPreferViewController(const QString& className, QWidget* parent)
    : QWidget(parent), name(className)
{
    setObjectName(className);
    trackContentView(className);
}

void MRPreferViewController::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A pane lives for one visit of its tab; showing the window again is not a new visit.
    if (appeared)
        return;
    appeared = true;
    viewDidAppear();
}

void MRPreferViewController::viewDidAppear()
{
    trackQualifiedClassName(name);
}
