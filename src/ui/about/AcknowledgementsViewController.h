#pragma once

#include <QList>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <functional>

class QTreeWidget;

// The libraries Mirelo is built on, each with its licence, from the bundled list.
class AcknowledgementsViewController : public QWidget
{
    Q_OBJECT
public:
    static constexpr const char* resource = ":/about/pods.json";

    struct Library
    {
        QString name;
        QString license;
        QString url;
    };
    // Entries without a name are skipped; anything that is not a list gives none.
    static QList<Library> libraries(const QByteArray& json);

    explicit AcknowledgementsViewController(QWidget* parent = nullptr);

    QTreeWidget* list = nullptr;
    // Opens a library's home page; the default asks the desktop.
    std::function<void(const QUrl&)> openUrl;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool appeared = false;
};
