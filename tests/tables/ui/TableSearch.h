#pragma once
// The Search button of a table window: the text typed and each "Correct Record?" answered.

#include "FakeDialogs.h"

#include <gtest/gtest.h>

#include <functional>

namespace fennick::test {

struct SearchCase {
    const char* typed;
    QList<int> answers;  // to "Correct Record?", one after another
    QStringList seen;    // what the window showed at each question
    const char* shownAfter;
};

// Runs each search from the first entry (`click` clicks a control by its name) and checks
// what `shown` told at each question and after it, with every answer taken.
inline void ExpectSearches(FakeDialogs& dialogs, const std::function<void(const QString&)>& click,
                           const std::function<QString()>& shown, const QList<SearchCase>& cases) {
    QStringList seen;
    dialogs.onShow = [&](const FakeDialogs::Shown& s) {
        if (s.text == QLatin1String("Correct Record?")) seen << shown();
    };
    for (const SearchCase& c : cases) {
        SCOPED_TRACE(c.typed);
        click(QStringLiteral("FirstRecordButton"));
        seen.clear();
        dialogs.type(QLatin1String(c.typed));
        for (int a : c.answers) dialogs.answer(a);
        click(QStringLiteral("Search"));
        EXPECT_EQ(seen, c.seen);
        EXPECT_EQ(shown(), QLatin1String(c.shownAfter));
        EXPECT_FALSE(dialogs.pending());
    }
    dialogs.onShow = nullptr;
}

}  // namespace fennick::test
