#include "presence/PresenceSources.h"

#include <memory>

PresenceSources::PresenceSources(QObject* parent) : Presence(parent) {}

PresenceSources::~PresenceSources() = default;

void PresenceSources::add(std::unique_ptr<Presence> source)
{
    if (!source)
        return;
    connect(source.get(), &Presence::changed, this, &Presence::changed);
    sources.push_back(std::move(source));
}

void PresenceSources::activeSources(std::function<void(QStringList)> done)
{
    if (sources.empty()) {
        done({});
        return;
    }
    if (filter)
        done = [done = std::move(done), keep = filter](QStringList active) { done(keep(active)); };
    struct Round
    {
        std::vector<QStringList> answers;
        size_t missing = 0;
        std::function<void(QStringList)> done;
    };
    auto round = std::make_shared<Round>();
    round->answers.resize(sources.size());
    round->missing = sources.size();
    round->done = std::move(done);
    for (size_t i = 0; i < sources.size(); ++i) {
        sources[i]->activeSources([round, i](QStringList active) {
            round->answers[i] = std::move(active);
            if (--round->missing > 0)
                return;
            QStringList all;
            for (const QStringList& answer : round->answers)
                for (const QString& text : answer)
                    if (!all.contains(text))
                        all << text;
            round->done(all);
        });
    }
}

QString PresenceSources::backendName() const
{
    QStringList names;
    for (const auto& source : sources)
        names << source->backendName();
    return names.join(QStringLiteral(", "));
}
