#include "widgets/RadioGroupFocus.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace RadioGroupFocus {

namespace {
void apply(QButtonGroup* group)
{
    QAbstractButton* chosen = group->checkedButton();
    // The arrows reach an auto-exclusive button whatever its policy; Tab only a tab stop.
    for (QAbstractButton* button : group->buttons())
        button->setFocusPolicy(!chosen || button == chosen ? Qt::StrongFocus : Qt::ClickFocus);
}
} // namespace

void follow(QButtonGroup* group)
{
    if (!group)
        return;
    for (QAbstractButton* button : group->buttons()) {
        button->setAutoExclusive(true);
        QObject::connect(button, &QAbstractButton::toggled, group, [group] { apply(group); });
    }
    apply(group);
}

} // namespace RadioGroupFocus
