#pragma once

#include "reactive/BehaviorRelay.h"

#include <QPointer>
#include <QString>

class BreakView;
class BreakViewModel;
class Preferences;
class WrappingTextField;

// The quote over the upper half of the break: a text field made anew for each quote and laid
// out from the bottom edge up. It never shows over the back-to-work screen.
class BreakQuoteLayout
{
public:
    BreakQuoteLayout(BreakView& root, BreakViewModel& model, Preferences& preferences,
                     const BehaviorRelay<bool>& backToWorkHidden);
    ~BreakQuoteLayout();

    WrappingTextField* field() const { return quoteField.data(); }

    void show(const QString& quote);
    void remove();
    // After a resize: the same quote laid out for the new size.
    void relayout();

private:
    BreakView& root;
    BreakViewModel& model;
    Preferences& preferences;
    const BehaviorRelay<bool>& backToWorkHidden;
    QPointer<WrappingTextField> quoteField;
    Subscription binding;
};
