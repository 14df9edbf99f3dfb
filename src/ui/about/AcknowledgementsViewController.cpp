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

#include <algorithm>

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
    QFont link = list->font();
    link.setUnderline(true);
    for (const Library& library : libraries(file.readAll())) {
        auto* row = new QTreeWidgetItem(list, {library.name, library.license, library.url});
        row->setData(0, Qt::UserRole, library.url);
        row->setToolTip(2, tr("Open %1 in the browser").arg(library.url));
        // The address looks like what it does: one click opens it.
        row->setFont(2, link);
        row->setForeground(2, palette().brush(QPalette::Link));
    }
    list->setAccessibleName(tr("Libraries Mirelo is built on"));
    int width = 0;
    for (int c = 0; c < list->columnCount(); ++c) {
        list->resizeColumnToContents(c);
        width += list->columnWidth(c);
    }
    openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    auto follow = [this](QTreeWidgetItem* item) {
        const QUrl url(item->data(0, Qt::UserRole).toString());
        if (url.scheme() == QLatin1String("https") && openUrl)
            openUrl(url);
    };
    // One click on the address, or Return or a double click anywhere on the row.
    connect(list, &QTreeWidget::itemClicked, this, [follow](QTreeWidgetItem* item, int column) {
        if (column == 2)
            follow(item);
    });
    connect(list, &QTreeWidget::itemActivated, this, [follow](QTreeWidgetItem* item) { follow(item); });
    column->addWidget(list);
    connect(new QShortcut(QKeySequence(QKeySequence::Close), this), &QShortcut::activated, this,
            &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    // Wide enough that no name, licence or address is cut.
    resize(std::max(640, width + 48), 360);
}

void AcknowledgementsViewController::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!std::exchange(appeared, true))
        trackQualifiedClassName(QStringLiteral("AcknowledgementsViewController"));
}
