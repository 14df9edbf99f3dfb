#include "preferences/MRPreferViewController.h"

#include "diagnostics/UsageTracker.h"
#include "widgets/Localizable.h"

#include <QLabel>
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

QLabel* MRPreferViewController::heading(const char* key, QWidget* parent)
{
    auto* label = new QLabel(Localizable::text(key), parent);
    label->setTextFormat(Qt::PlainText);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}
