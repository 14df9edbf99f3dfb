#pragma once

#include "reactive/DisposeBag.h"

#include <functional>
#include <map>
#include <memory>
#include <vector>

// An observable value. Unlike QProperty it notifies on every accept(), also when the value is
// unchanged: the status item relies on a repeated 0 at the end of an interval.
template <typename T>
class BehaviorRelay
{
public:
    using Observer = std::function<void(const T&)>;

    explicit BehaviorRelay(T initial = T{}) : state(std::make_shared<State>(std::move(initial))) {}
    BehaviorRelay(const BehaviorRelay&) = delete;
    BehaviorRelay& operator=(const BehaviorRelay&) = delete;

    const T& value() const { return state->value; }

    void accept(T newValue)
    {
        state->value = std::move(newValue);
        // Snapshot so that observers may subscribe or dispose while being notified.
        std::vector<std::pair<std::uint64_t, std::shared_ptr<Observer>>> snapshot(state->observers.begin(),
                                                                                  state->observers.end());
        const T current = state->value;
        for (const auto& [id, observer] : snapshot) {
            if (state->observers.count(id))
                (*observer)(current);
        }
    }

    // Delivers the current value at once, then every later accept().
    [[nodiscard]] Subscription subscribe(Observer observer)
    {
        const std::uint64_t id = state->nextId++;
        auto shared = std::make_shared<Observer>(std::move(observer));
        state->observers.emplace(id, shared);
        std::weak_ptr<State> weak = state;
        Subscription subscription([weak, id] {
            if (auto s = weak.lock())
                s->observers.erase(id);
        });
        (*shared)(state->value);
        return subscription;
    }

    std::size_t observerCount() const { return state->observers.size(); }

private:
    struct State
    {
        explicit State(T v) : value(std::move(v)) {}
        T value;
        std::uint64_t nextId = 0;
        std::map<std::uint64_t, std::shared_ptr<Observer>> observers;
    };
    std::shared_ptr<State> state;
};
