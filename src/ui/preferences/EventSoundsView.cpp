#include "preferences/EventSoundsView.h"

#include "settings/Preferences.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

namespace {
// The combo's items carry the stored text: "", "theme:<id>", "file:<path>"; the last item asks
// for a file and carries none.
const QString fileItem = QStringLiteral("choose-file");

QString title(SoundEvent event)
{
    switch (event) {
    case SoundEvent::pomodoroEnd:
        return EventSoundsView::tr("When a Pomodoro ends");
    case SoundEvent::breakEnd:
        return EventSoundsView::tr("When a break ends");
    case SoundEvent::lastMinute:
        return EventSoundsView::tr("At the last minute");
    }
    return {};
}
} // namespace

EventSoundsView::EventSoundsView(Preferences& preferences, QWidget* parent)
    : PreferencesWhiteBgView(parent), preferences(preferences)
{
    enableHoverState = false;
    chooseFile = [this] {
        return QFileDialog::getOpenFileName(this, tr("Choose a sound"), QString(),
                                            tr("WAV or Ogg Vorbis sounds (*.wav *.ogg *.oga)"));
    };
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 14, 16, 14);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->setColumnStretch(1, 1);
    auto* heading = new QLabel(tr("Sounds"), this);
    heading->setTextFormat(Qt::PlainText);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    grid->addWidget(heading, 0, 0, 1, 4);

    int line = 1;
    for (SoundEvent event : {SoundEvent::pomodoroEnd, SoundEvent::breakEnd, SoundEvent::lastMinute}) {
        Row row{event};
        auto* label = new QLabel(title(event), this);
        label->setTextFormat(Qt::PlainText);
        row.choice = new QComboBox(this);
        row.choice->setAccessibleName(title(event));
        label->setBuddy(row.choice);
        // The break's end has its own switch ("Play a sound when a break ends"): no "None" here.
        if (event != SoundEvent::breakEnd)
            row.choice->addItem(tr("None"), QString());
        for (const EventSounds::ThemeSound& sound : EventSounds::themeSounds())
            row.choice->addItem(QCoreApplication::translate("EventSoundsView", sound.title),
                                QString(QStringLiteral("theme:") + sound.eventId));
        row.choice->addItem(tr("A file…"), fileItem);
        row.volume = new QSlider(Qt::Horizontal, this);
        row.volume->setRange(0, 100);
        row.volume->setPageStep(10);
        row.volume->setMinimumWidth(90);
        row.volume->setAccessibleName(tr("Volume: %1").arg(title(event)));
        row.play = new QPushButton(tr("Play"), this);
        row.play->setAutoDefault(false);
        row.play->setAccessibleName(tr("Play: %1").arg(title(event)));
        grid->addWidget(label, line, 0);
        grid->addWidget(row.choice, line, 1);
        grid->addWidget(row.volume, line, 2);
        grid->addWidget(row.play, line, 3);
        row.problem = new QLabel(this);
        row.problem->setTextFormat(Qt::PlainText);
        row.problem->setWordWrap(true);
        row.problem->hide();
        grid->addWidget(row.problem, line + 1, 1, 1, 3);
        line += 2;
        made.push_back(row);
    }

    for (const Row& row : made) {
        disposeBag += preferences.observe(SoundKey::choice(row.event),
                                          [this, row](const QJsonValue&) { showChoice(row); });
        disposeBag += preferences.observe(SoundKey::volume(row.event), [this, row](const QJsonValue& value) {
            const QSignalBlocker blocker(row.volume);
            row.volume->setValue(value.isDouble() ? value.toInt() : 100);
        });
        connect(row.choice, &QComboBox::activated, this, [this, row](int index) { chosen(row, index); });
        connect(row.volume, &QSlider::valueChanged, this, [this, row](int value) {
            this->preferences.setValueWhenSettled(SoundKey::volume(row.event), value);
        });
        connect(row.play, &QPushButton::clicked, this, [this, row] {
            if (tryOut)
                tryOut(row.event);
        });
    }
}

void EventSoundsView::showChoice(const Row& row)
{
    const QSignalBlocker blocker(row.choice);
    const QString stored =
        preferences.stringValue(SoundKey::choice(row.event)).value_or(EventSounds::defaultChoice(row.event));
    // A chosen file shows by its name, in an item of its own before "A file…".
    const int fileRow = row.choice->findData(fileItem);
    const int previous = fileRow - 1;
    if (previous >= 0 && row.choice->itemData(previous).toString().startsWith(QStringLiteral("file:")))
        row.choice->removeItem(previous);
    if (stored.startsWith(QStringLiteral("file:"))) {
        const QString path = stored.mid(5);
        row.choice->insertItem(row.choice->findData(fileItem), QFileInfo(path).fileName(), stored);
        row.choice->setItemData(row.choice->findData(stored), path, Qt::ToolTipRole);
    }
    const int index = row.choice->findData(stored);
    row.choice->setCurrentIndex(index >= 0 ? index
                                           : row.choice->findData(EventSounds::defaultChoice(row.event)));
    // A file chosen before (or changed since) that cannot be played is said, not silently replaced.
    const bool unplayable =
        stored.startsWith(QStringLiteral("file:")) && !EventSounds::fileProblem(stored.mid(5)).isEmpty();
    row.problem->setText(unplayable ? tr("This file cannot be played: only WAV and Ogg Vorbis files can. "
                                         "The theme's sound plays instead.")
                                    : QString());
    row.problem->setVisible(unplayable);
}

void EventSoundsView::chosen(const Row& row, int index)
{
    const QString value = row.choice->itemData(index).toString();
    if (value != fileItem) {
        preferences.setValue(SoundKey::choice(row.event), value);
        return;
    }
    const QString path = chooseFile ? chooseFile() : QString();
    if (path.isEmpty()) {
        showChoice(row); // cancelled: back to what is stored
        return;
    }
    if (!EventSounds::fileProblem(path).isEmpty()) {
        showChoice(row);
        row.problem->setText(tr("“%1” cannot be played: only WAV and Ogg Vorbis files can.")
                                 .arg(QFileInfo(path).fileName()));
        row.problem->show();
        return;
    }
    preferences.setValue(SoundKey::choice(row.event), QString(QStringLiteral("file:") + path));
}
