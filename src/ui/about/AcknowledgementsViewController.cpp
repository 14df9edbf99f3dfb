#include "about/AcknowledgementsViewController.h"

#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "widgets/Localizable.h"

#include <QDesktopServices>
#include <QFile>
#include <QHeaderView>
#include <QIcon>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeySequence>
#include <QShortcut>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

QList<AcknowledgementsViewController::Library>
AcknowledgementsViewController::libraries(const QByteArray& json)
{
    QList<Library> out;
    const QJsonDocument document = QJsonDocument::fromJson(json);
    for (const QJsonValue& entry : document.array()) {
        const QJsonObject item = entry.toObject();
        Library library{item.value(QStringLiteral("name")).toString(),
                        item.value(QStringLiteral("license")).toString(),
                        item.value(QStringLiteral("url")).toString()};
        if (!library.name.isEmpty())
            out << library;
    }
    return out;
}

AcknowledgementsViewController::AcknowledgementsViewController(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("AcknowledgementsWindow"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(Localizable::text("Acknowledgements"));
    setWindowIcon(QIcon(QStringLiteral(":/about/org.mirelo.Mirelo.svg")));
    trackContentView(QStringLiteral("AcknowledgementsViewController"));

    auto* column = new QVBoxLayout(this);
    list = new QTreeWidget(this);
    list->setColumnCount(3);
    list->setHeaderLabels(
        {Localizable::text("Library"), Localizable::text("Licence"), Localizable::text("Home page")});
    list->setRootIsDecorated(false);
    list->setAlternatingRowColors(true);
    list->header()->setStretchLastSection(true);
    QFile file(QString::fromLatin1(resource));
    if (!file.open(QIODevice::ReadOnly))
        LOG_ERROR(QStringLiteral("Can't read the list of libraries."));
    for (const Library& library : libraries(file.readAll())) {
        auto* row = new QTreeWidgetItem(list, {library.name, library.license, library.url});
        row->setData(0, Qt::UserRole, library.url);
        row->setToolTip(0, library.url);
    }
    list->resizeColumnToContents(0);
    list->resizeColumnToContents(1);
    // Return or a double click opens the library's home page.
    connect(list, &QTreeWidget::itemActivated, this, [](QTreeWidgetItem* item) {
        const QUrl url(item->data(0, Qt::UserRole).toString());
        if (url.scheme() == QLatin1String("https"))
            QDesktopServices::openUrl(url);
    });
    column->addWidget(list);
    connect(new QShortcut(QKeySequence(QKeySequence::Close), this), &QShortcut::activated, this,
            &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    resize(640, 360);
}

void AcknowledgementsViewController::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!std::exchange(appeared, true))
        trackQualifiedClassName(QStringLiteral("AcknowledgementsViewController"));
}
