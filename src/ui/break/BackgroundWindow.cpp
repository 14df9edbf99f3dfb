#include "break/BackgroundWindow.h"

#include "break/BorderlessWindow.h"
#include "diagnostics/UsageTracker.h"
#include "widgets/ChromeService.h"
#include "widgets/ImageView.h"
#include "widgets/PanelView.h"

#include <QScreen>
#include <QVBoxLayout>

namespace {

// The picture with the mask over it, both filling the view.
class LayeredView : public QWidget
{
public:
    explicit LayeredView(QWidget* parent) : QWidget(parent) {}

protected:
    void resizeEvent(QResizeEvent*) override
    {
        for (QObject* child : children()) {
            if (auto* layer = qobject_cast<QWidget*>(child))
                layer->setGeometry(rect());
        }
    }
};

} // namespace

BackgroundWindow::BackgroundWindow(QScreen* screen, const QImage& image, const QColor& mask,
                                   WindowHints* hints)
    : originRect(screen ? screen->geometry() : QRect()), target(screen),
      win(std::make_unique<BorderlessWindow>(hints, false))
{
    win->setWindowTitle(QStringLiteral("Mirelo"));
    auto* content = new LayeredView(win.get());
    auto* fill = new QVBoxLayout(win.get());
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(content);
    picture = new ImageView(content);
    picture->setImage(image);
    picture->setTint(mask);
    // The mask is composed into the picture; the view only keeps its colour.
    maskView = new PanelView(content);
    maskView->setBackgroundColor(mask);
    maskView->hide();
    // A background window reacts to no click.
    content->setAttribute(Qt::WA_TransparentForMouseEvents);
    trackContentView(QStringLiteral("MRWindowController"));
}

BackgroundWindow::~BackgroundWindow() = default;

void BackgroundWindow::show()
{
    win->showOn(target);
    if (QWidget* content = win->layout()->itemAt(0)->widget())
        ChromeService::fadeIn(content, 0.6);
}

void BackgroundWindow::orderOut()
{
    win->hide();
}
