// The mark commands on the main window while the crusade's folder is gone: the record shown,
// which nobody edited, is not written first (a record marked by Mark all shows a ticked box
// that is no change), and the one closing message names the command, says what it set or
// cleared and whether running it again is safe; the data file stays as it was.

#include "OpenWindow.h"

#include "data/FileUtil.h"
#include "platform/Dialogs.h"

#include <QDir>

using namespace fennick;
using namespace fennick::test;

namespace {

class MarksLostFolderTest : public OpenWindow {
protected:
    CrusadeSpec crusade() const override {
        CrusadeSpec s = OpenWindow::crusade();
        // Smith and Adams (shown) as Mark all leaves them, Baker not marked.
        s.records[0].MarkToVisit = s.records[1].MarkToVisit = -1;
        return s;
    }
};

TEST_F(MarksLostFolderTest, TheOneMessageNamesTheCommandWhatItDidAndTheRerun) {
    const struct {
        const char* item;
        const char* told;  // the closing message's beginning
        const char* does;
    } commands[] = {
        {"mnuClearMark",
         "No mark was cleared.\r\n\r\nClear Markers stopped part way: 0 records were written and 2 were not:\r\n0012  "
         "Smith, Mary: The crusade's folder ",
         "clears"},
        // Adams, marked already, changes nothing, but reaches no file either: nothing is
        // told as written.
        {"mnuMarkMarkers",
         "No record was marked.\r\n\r\nMark all Displayed Records stopped part way: 0 records were written and 3 "
         "were not:\r\n0013  Adams, John: The crusade's folder ",
         "sets"},
    };
    for (const auto& c : commands) {
        SCOPED_TRACE(c.item);
        const QByteArray before = ReadFileBytes(file);
        ASSERT_TRUE(QDir().rename(t.path("data"), t.path("away")));
        t.dialogs.clear();
        trigger(QLatin1String(c.item));
        ASSERT_TRUE(QDir().rename(t.path("away"), t.path("data")));
        const QStringList shown = t.dialogs.messages();
        EXPECT_EQ(ReadFileBytes(file), before);
        EXPECT_TRUE(app.crusade.file.unwritten().isEmpty()) << "nothing held of the refused writes";
        ASSERT_EQ(shown.size(), 1) << shown.join(" / ").toStdString();
        EXPECT_TRUE(shown[0].startsWith(QLatin1String(c.told))) << shown[0].toStdString();
        EXPECT_TRUE(shown[0].endsWith(QStringLiteral("Running it again is safe: it %1 the marks of the records left "
                                                     "as they were.")
                                          .arg(QLatin1String(c.does))));
    }
}

}  // namespace
