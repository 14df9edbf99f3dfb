#include "break/BreakQuoteLayout.h"

#include "break/BreakContent.h"
#include "break/BreakView.h"
#include "break/BreakViewModel.h"
#include "break/PasscodeView.h"
#include "widgets/ChromeService.h"
#include "widgets/OverlayFonts.h"
#include "widgets/WrappingTextField.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

BreakQuoteLayout::BreakQuoteLayout(BreakView& root, BreakViewModel& model, Preferences& preferences,
                                   const BehaviorRelay<bool>& backToWorkHidden)
    : root(root), model(model), preferences(preferences), backToWorkHidden(backToWorkHidden)
{}

BreakQuoteLayout::~BreakQuoteLayout()
{
    binding.dispose();
}

void BreakQuoteLayout::remove()
{
    if (quoteField)
        delete quoteField.data();
    binding.dispose();
    root.setQuoteShowing(false);
}

void BreakQuoteLayout::relayout()
{
    // The back-to-work screen has no quote: a resize must not bring it back over the title.
    if (!backToWorkHidden.value())
        return;
    const std::optional<QString>& quote = model.quoteString.value();
    if (quote && BreakContent::quotesEnabled(preferences))
        show(*quote);
}

void BreakQuoteLayout::show(const QString& quote)
{
    if (quoteField)
        delete quoteField.data();
    binding.dispose();

    auto* field = new WrappingTextField(&root);
    quoteField = field;
    field->setTextColor(Qt::white);
    field->setMaximumNumberOfLines(20);
    field->setIgnoreMouseEvents(true);
    binding = model.quoteHidden.subscribe([this, field](bool hidden) {
        // Never over "Back to work!", whatever the quote source becomes meanwhile.
        const bool showing = !hidden && backToWorkHidden.value();
        field->setHidden(!showing);
        root.setQuoteShowing(showing);
    });
    field->setFont(OverlayFonts::light(44));
    // Above the wallpaper and mask, below the lock.
    field->stackUnder(root.passcodeView);

    const double W = root.width(), H = root.height();
    double estimate = 0;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        field->setText(quote);
        estimate = field->heightForText(0.8 * screen->geometry().width());
        field->setText(QString());
    }
    const int x = int(std::floor(0.1 * W));
    const int width = int(std::floor(0.8 * W));
    // The layout of the quote is described from the bottom edge up; Qt counts from the top.
    const double firstHeight = std::max(0.0, std::min(0.5 * H - 30, estimate));
    field->setGeometry(x, int(std::lround(H - (0.5 * H + 20) - firstHeight)), width,
                       int(std::lround(firstHeight)));
    field->setText(quote);

    const double maxH = std::max(0.0, 0.5 * H - 50);
    const double h = field->renderHeight(maxH);
    const double bottom = maxH + (maxH - h) * 0.5 + 10;
    field->setGeometry(x, int(std::lround(H - bottom - h)), width, int(std::ceil(h)));
    ChromeService::move(field, QPoint(0, 20), QPoint(0, 0), 0.6);
}
