#include "break/BreakKeys.h"

#include "break/BreakView.h"
#include "break/PasscodeView.h"

BreakKeys::Route BreakKeys::route(int key, const BreakView& view, bool dismissing)
{
    if (!view.isVisible() || dismissing)
        return Route::ignored;
    if (!view.passcodeView->isHidden())
        return Route::lock;
    if (view.backToWorkButtonContainer->isHidden())
        return Route::ignored;
    if (key == Qt::Key_Escape)
        return Route::close;
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return Route::next;
    return Route::ignored;
}
