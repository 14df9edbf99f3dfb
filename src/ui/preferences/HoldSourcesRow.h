#pragma once

#include "reactive/DisposeBag.h"

#include <QWidget>

#include <vector>

class Preferences;
class QCheckBox;

// "Hold breaks during": one check box per sign of being busy, usable while holding is on.
class HoldSourcesRow : public QWidget
{
    Q_OBJECT
public:
    HoldSourcesRow(Preferences& preferences, QWidget* parent = nullptr);

    const std::vector<QCheckBox*>& boxes() const { return checks; }

private:
    Preferences& preferences;
    std::vector<QCheckBox*> checks;
    DisposeBag disposeBag;
};
