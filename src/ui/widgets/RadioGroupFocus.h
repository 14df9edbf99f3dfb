#pragma once

class QButtonGroup;

// Tab into a group of radio buttons lands on the chosen one, as on every desktop; the arrows
// move within the group. With none chosen, Tab stops at each.
namespace RadioGroupFocus {

void follow(QButtonGroup* group);

} // namespace RadioGroupFocus
