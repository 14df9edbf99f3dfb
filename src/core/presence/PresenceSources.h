#pragma once

#include "presence/Presence.h"

#include <memory>
#include <vector>

// Several presence sources asked as one: the answer lists what every source reports, in the
// sources' order, once all have answered.
class PresenceSources final : public Presence
{
    Q_OBJECT
public:
    explicit PresenceSources(QObject* parent = nullptr);
    ~PresenceSources() override;

    void add(std::unique_ptr<Presence> source);
    // Applied to every answer: what the user lets count (HoldChoices::allowed).
    void setFilter(std::function<QStringList(const QStringList&)> keep) { filter = std::move(keep); }
    bool isEmpty() const { return sources.empty(); }

    void activeSources(std::function<void(QStringList)> done) override;
    QString backendName() const override;

private:
    std::vector<std::unique_ptr<Presence>> sources;
    std::function<QStringList(const QStringList&)> filter;
};
