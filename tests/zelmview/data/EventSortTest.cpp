// Sorting deep-percolation events into calendar order.
#include <gtest/gtest.h>

#include <QDate>
#include <QList>
#include <random>

#include "data/ZELMData.h"

namespace {

using Events = QList<IrrigationDataElement>;

// The amounts tell the events apart.
QList<double> amounts(const Events& events)
{
    QList<double> result;
    for (const IrrigationDataElement& event : events) result.append(event.amount);
    return result;
}

TEST(SortEventsByDate, PutsEventsInCalendarOrder)
{
    Events events = {{9, 30, 1}, {1, 5, 2}, {4, 15, 3}, {12, 31, 4}, {1, 1, 5}};
    EXPECT_TRUE(ZELMData::SortEventsByDate(events));
    EXPECT_EQ(amounts(events), QList<double>({5, 2, 3, 1, 4}));
}

TEST(SortEventsByDate, DayPastTheMonthEndRollsIntoTheNextMonth)
{
    // 29 February is 1 March of the non-leap year and keeps its place beside it.
    Events events = {{3, 2, 1}, {3, 1, 2}, {2, 29, 3}, {2, 28, 4}};
    EXPECT_TRUE(ZELMData::SortEventsByDate(events));
    EXPECT_EQ(amounts(events), QList<double>({4, 2, 3, 1}));

    events = {{5, 1, 1}, {4, 31, 2}, {4, 30, 3}};
    EXPECT_TRUE(ZELMData::SortEventsByDate(events));
    EXPECT_EQ(amounts(events), QList<double>({3, 1, 2}));
}

TEST(SortEventsByDate, EventsOfTheSameDateKeepTheirOrder)
{
    Events events = {{6, 1, 1}, {5, 1, 2}, {6, 1, 3}, {5, 1, 4}};
    EXPECT_TRUE(ZELMData::SortEventsByDate(events));
    EXPECT_EQ(amounts(events), QList<double>({2, 4, 1, 3}));
}

TEST(SortEventsByDate, UnsetMonthOrDayReturnsFalseAndLeavesTheEvents)
{
    for (const Events& unset : {Events{{9, 30, 1}, {0, 5, 2}}, Events{{9, 30, 1}, {4, 0, 2}},
                                // the unset event comes first, before the one out of range
                                Events{{9, 30, 1}, {0, 5, 2}, {13, 1, 3}}}) {
        Events events = unset;
        EXPECT_FALSE(ZELMData::SortEventsByDate(events));
        EXPECT_EQ(amounts(events), amounts(unset));
    }
}

TEST(SortEventsByDate, DateOutsideTheCalendarThrowsAndLeavesTheEvents)
{
    for (const Events& invalid :
         {Events{{9, 30, 1}, {13, 1, 2}}, Events{{9, 30, 1}, {1, 32, 2}}, Events{{9, 30, 1}, {-1, 5, 2}},
          Events{{9, 30, 1}, {5, -5, 2}}, Events{{9, 30, 1}, {13, 1, 2}, {0, 1, 3}}}) {
        Events events = invalid;
        EXPECT_THROW(ZELMData::SortEventsByDate(events), EventDateError);
        EXPECT_EQ(amounts(events), amounts(invalid));
    }
}

// The order the events were always put in: each one inserted before the first event of a later
// date, in array order.
Events insertedInOrder(const Events& events)
{
    Events placed;
    for (const IrrigationDataElement& event : events) {
        const QDate date = QDate(1981, event.month, 1).addDays(event.day - 1);
        qsizetype at = 0;
        while (at < placed.size() && QDate(1981, placed.at(at).month, 1).addDays(placed.at(at).day - 1) <= date) ++at;
        placed.insert(at, event);
    }
    return placed;
}

TEST(SortEventsByDate, KeepsTheOrderOfInsertionOnRandomLists)
{
    // Few months and days, so dates repeat; 29 February and the 31st of short months included.
    std::mt19937 random(20240229);
    std::uniform_int_distribution<int> month(1, 4);
    std::uniform_int_distribution<int> day(27, 31);
    std::uniform_int_distribution<int> length(0, 60);
    for (int list = 0; list < 300; ++list) {
        Events events;
        const int count = length(random);
        for (int k = 0; k < count; ++k) events.append({month(random), day(random), double(k)});
        const Events expected = insertedInOrder(events);
        ASSERT_TRUE(ZELMData::SortEventsByDate(events));
        ASSERT_EQ(amounts(events), amounts(expected)) << "list " << list;
    }
}

}  // namespace
