#include "preferences/HoldSourcesRow.h"

#include "presence/HoldChoices.h"
#include "settings/PreferKey.h"
#include "settings/Preferences.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>

HoldSourcesRow::HoldSourcesRow(Preferences& preferences, QWidget* parent)
    : QWidget(parent), preferences(preferences)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(24, 0, 0, 0);
    grid->setHorizontalSpacing(16);
    auto* heading = new QLabel(tr("Hold breaks during"), this);
    heading->setTextFormat(Qt::PlainText);
    grid->addWidget(heading, 0, 0, 1, 2);
    int index = 0;
    for (const HoldChoices::Choice& choice : HoldChoices::all()) {
        auto* box = new QCheckBox(QCoreApplication::translate("HoldSourcesRow", choice.label), this);
        box->setAccessibleName(tr("Hold breaks during %1").arg(box->text()));
        grid->addWidget(box, 1 + index / 2, index % 2);
        ++index;
        checks.push_back(box);
        const QString key = choice.key;
        disposeBag += preferences.observe(key, [this, box, key](const QJsonValue&) {
            box->setChecked(this->preferences.boolValue(key));
        });
        connect(box, &QCheckBox::clicked, this, [this, key](bool on) { this->preferences.setValue(key, on); });
    }
    grid->setColumnStretch(2, 1);
    disposeBag += preferences.observe(HoldKey::enabled, [this](const QJsonValue&) {
        setEnabled(this->preferences.boolValue(HoldKey::enabled));
    });
}
