#include "about/AboutWindowController.h"

#include "about/AboutViewController.h"
#include "widgets/Localizable.h"

#include <QCursor>
#include <QGuiApplication>
#include <QIcon>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

AboutWindowController::AboutWindowController(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("AboutWindow"));
    setWindowIcon(QIcon(QStringLiteral(":/about/org.mirelo.Mirelo.svg")));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(Localizable::text("About Mirelo"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    content = new AboutViewController(this);
    layout->addWidget(content);
    for (const QKeySequence& key : {QKeySequence(QKeySequence::Close), QKeySequence(Qt::Key_Escape)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);
    setFixedSize(sizeHint());
}

void AboutWindowController::showWindow()
{
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen && !isVisible())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    show();
    raise();
    activateWindow();
}
