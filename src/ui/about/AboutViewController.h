#pragma once

#include "about/AcknowledgementsViewController.h"
#include "preferences/PreferencesPane.h"

#include <QPointer>
#include <QUrl>

#include <functional>

class QLabel;
class QPushButton;

// Name, version and build as the log banner prints them, the legal line, the author and
// home-page links and the libraries Mirelo is built on. Both the About tab and the About
// window show it.
class AboutViewController : public PreferencesPane
{
    Q_OBJECT
public:
    static const QUrl authorUrl;
    static const QUrl homepageUrl;

    // openUrl opens a link in the desktop's default browser unless a test replaces it.
    explicit AboutViewController(QWidget* parent = nullptr, std::function<bool(const QUrl&)> openUrl = {});
    ~AboutViewController() override;

    // "Version 0.1.0 (1)", with the release stage when there is one.
    static QString versionText();

    QLabel* nameLabel = nullptr;
    QLabel* versionLabel = nullptr;
    QLabel* legalLabel = nullptr;
    QLabel* authorLink = nullptr;
    QLabel* homepageLink = nullptr;
    QPushButton* acknowledgementsButton = nullptr;

    void clickAuthorLink();
    void clickHomepageLink();
    void showAcknowledgements();
    AcknowledgementsViewController* acknowledgements() const { return acknowledgementsWindow; }

protected:
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void open(const QUrl& url);

    std::function<bool(const QUrl&)> openUrl;
    QPointer<AcknowledgementsViewController> acknowledgementsWindow;
};
