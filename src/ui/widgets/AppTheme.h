#pragma once

#include <QColor>
#include <QString>

enum class AppThemeType
{
    white = 0,
    dark = 1
};

// Colours and button artwork of the break overlay. One instance, held by the application.
// Images are resource paths of SVG drawings.
struct AppTheme
{
    AppThemeType type = AppThemeType::dark;
    QColor labelsColor = QColor(255, 255, 255);
    QColor backToWorkLabelsColor = QColor(0x33, 0x33, 0x33);
    QColor stopButtonLabelColor = QColor::fromRgbF(1, 1, 1, 0.7f);
    // Opaque: on Next's red a translucent label fell to 2.7:1; white there is 5:1.
    QColor backToWorkButtonsLabelColor = QColor(255, 255, 255);
    QString stopButtonImage = QStringLiteral(":/break/stop-button.svg");
    QString stopButtonImageDark = QStringLiteral(":/break/stop-button-dark.svg");
    QString nextButtonImage = QStringLiteral(":/break/next-button.svg");
    QString nextButtonImageDark = QStringLiteral(":/break/next-button-dark.svg");
    // Close wears the same picture as Stop.
    QString closeButtonImage = QStringLiteral(":/break/stop-button.svg");
    QString closeButtonImageDark = QStringLiteral(":/break/stop-button-dark.svg");
    QColor maskViewBgColor = QColor::fromRgbF(0, 0, 0, 0.75f);
    QColor backToWorkMaskViewBgColor = QColor::fromRgbF(1, 1, 1, 0.75f);
};
