#include "reactive/BehaviorRelay.h"

#include <QString>

#include <gtest/gtest.h>

#include <vector>

TEST(BehaviorRelay, SubscribeDeliversCurrentValueThenEveryAcceptIncludingRepeats)
{
    BehaviorRelay<int> relay(5);
    std::vector<int> seen;
    Subscription s = relay.subscribe([&](int v) { seen.push_back(v); });
    relay.accept(0);
    relay.accept(0);
    relay.accept(3);
    EXPECT_EQ(seen, (std::vector<int>{5, 0, 0, 3}));
    EXPECT_EQ(relay.value(), 3);
}

TEST(BehaviorRelay, DisposedSubscriptionAndClearedBagStopDelivery)
{
    BehaviorRelay<int> relay;
    int a = 0, b = 0;
    DisposeBag bag;
    bag += relay.subscribe([&](int) { ++a; });
    Subscription single = relay.subscribe([&](int) { ++b; });
    relay.accept(1);
    single.dispose();
    relay.accept(2);
    bag.clear();
    relay.accept(3);
    EXPECT_EQ(a, 3); // initial, 1, 2
    EXPECT_EQ(b, 2); // initial, 1
    EXPECT_EQ(relay.observerCount(), 0u);
}

TEST(BehaviorRelay, ObserverMayDisposeAnotherDuringNotification)
{
    BehaviorRelay<int> relay;
    Subscription second;
    int secondCalls = 0;
    Subscription first = relay.subscribe([&](int v) {
        if (v == 1)
            second.dispose();
    });
    second = relay.subscribe([&](int) { ++secondCalls; });
    relay.accept(1);
    relay.accept(2);
    EXPECT_EQ(secondCalls, 1); // only its initial delivery
}

TEST(BehaviorRelay, SubscriptionOutlivingRelayIsHarmless)
{
    Subscription s;
    {
        BehaviorRelay<QString> relay(QStringLiteral("x"));
        s = relay.subscribe([](const QString&) {});
    }
    s.dispose();
    EXPECT_FALSE(s.isActive());
}
