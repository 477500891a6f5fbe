// The update check's address from the settings store, and Cancel on its notice.

#include "FakePlatform.h"
#include "filetools/UpdateCheck.h"

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

TEST(UpdateCheckTest, TheHostComesFromTheSettingsAndCancelFetchesNothing) {
    const struct {
        const char* what;
        std::optional<QString> host;
        int notice;
        QStringList urls;
    } cases[] = {
        {"cancel", std::nullopt, AnsCancel, {}},
        {"the default host", std::nullopt, AnsOK, {QStringLiteral("http://www.fennick.org/quillomark/version.txt")}},
        {"a host set",
         QStringLiteral(" 10.0.0.5:8080 "),
         AnsOK,
         {QStringLiteral("http://10.0.0.5:8080/quillomark/version.txt")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestApp t;
        if (c.host) t.store.save(kUpdateSettings, QStringLiteral("Update"), QStringLiteral("Host"), *c.host);
        t.network.answer = {0, {}, "02.05.86"};
        t.dialogs.answer(c.notice);
        mnuUpdate_Click(t.app);
        EXPECT_EQ(t.network.urls, c.urls);
        EXPECT_EQ(t.dialogs.messages().size(), c.urls.isEmpty() ? 1 : 2);
    }
}

}  // namespace
