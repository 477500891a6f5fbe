// Another crusade's settings file found empty, as a write cut off by a full disk leaves
// it: each command that reads one says so in the words the crusade's own loading uses.

#include "CrusadeOnDisk.h"
#include "CrusadeToolsFixture.h"
#include "RecordBuilder.h"
#include "attendance/AttendanceMerge.h"
#include "data/CrusadeFiles.h"

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

TEST(EmptySettingsTest, EveryReaderOfAnotherCrusadesSettingsSaysTheFileIsEmpty) {
    const struct {
        const char* what;
        // Runs the command over an empty settings file and returns that file's path.
        std::function<QString(CrusadeToolsWorld&)> run;
        const char* message;  // "<file>" stands for the settings file
    } cases[] = {
        {"a prior crusade's settings for a new crusade",
         [](CrusadeToolsWorld& w) {
             const QString prior = w.data(QStringLiteral("prior.inf"));
             WriteFileBytes(prior, QByteArray());
             w.t.dialogs.choose(w.data(QStringLiteral("autumn"))).answer(AnsYes).choose(prior);
             SelectCrusade(w.app);
             return prior;
         },
         "The crusade settings file <file> could not be read:\r\nThe file is empty.\r\n\r\n"
         "The new crusade takes the default settings."},
        {"the other computer's settings in the attendance merge",
         [](CrusadeToolsWorld& w) {
             CrusadeSpec other;
             other.records = {Person("0012", "Mary", "Smith")};
             const QString there =
                 WriteCrusade(w.t, w.t.path(QStringLiteral("desk2")), QStringLiteral("spring"), other);
             const QString settings = there.chopped(3) + QStringLiteral("inf");
             WriteFileBytes(settings, QByteArray());
             w.app.settings.BackupPath = there;
             w.t.dialogs.choose(there);
             mnuMergeAttendance_Click(w.app, w.screen);
             return settings;
         },
         "The other computer's settings file <file>\r\ncould not be read: The file is empty.\r\n\r\n"
         "Nothing has been merged."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CrusadeToolsWorld w;
        const QString file = c.run(w);
        const QString message = QString::fromLatin1(c.message).replace(QStringLiteral("<file>"), file);
        EXPECT_EQ(w.t.dialogs.messages().count(message), 1) << w.t.dialogs.messages().join(" / ").toStdString();
        EXPECT_FALSE(w.t.dialogs.pending());
    }
}

}  // namespace
