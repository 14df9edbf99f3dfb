#pragma once

#include <functional>
#include <utility>
#include <vector>

// Ends an observation when destroyed (or when dispose() is called).
class Subscription
{
public:
    Subscription() = default;
    explicit Subscription(std::function<void()> onDispose) : onDispose(std::move(onDispose)) {}
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    Subscription(Subscription&& other) noexcept : onDispose(std::exchange(other.onDispose, nullptr)) {}
    Subscription& operator=(Subscription&& other) noexcept
    {
        if (this != &other) {
            dispose();
            onDispose = std::exchange(other.onDispose, nullptr);
        }
        return *this;
    }
    ~Subscription() { dispose(); }

    void dispose()
    {
        if (auto fn = std::exchange(onDispose, nullptr))
            fn();
    }

    bool isActive() const { return static_cast<bool>(onDispose); }

private:
    std::function<void()> onDispose;
};

// Collects subscriptions so that they end together with their owner.
class DisposeBag
{
public:
    DisposeBag() = default;
    DisposeBag(const DisposeBag&) = delete;
    DisposeBag& operator=(const DisposeBag&) = delete;
    ~DisposeBag() { clear(); }

    void add(Subscription subscription) { subscriptions.push_back(std::move(subscription)); }
    DisposeBag& operator+=(Subscription subscription)
    {
        add(std::move(subscription));
        return *this;
    }

    // Ends the subscriptions in reverse order of adding.
    void clear()
    {
        while (!subscriptions.empty()) {
            Subscription last = std::move(subscriptions.back());
            subscriptions.pop_back();
            last.dispose();
        }
    }

    std::size_t size() const { return subscriptions.size(); }

private:
    std::vector<Subscription> subscriptions;
};
