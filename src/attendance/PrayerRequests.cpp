#include "attendance/PrayerRequests.h"

#include "attendance/AttendFState.h"
#include "data/App.h"
#include "data/FileUtil.h"
#include "data/Text.h"
#include "mainwindow/MainScreen.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"

namespace fennick {

namespace {

const QString kSearchBox = QStringLiteral("SearchBox");

// The heading of a meeting's requests, worded by the window that writes it.
QString MeetingHeading(PrayerWindow window, int meeting) {
    const QString lead = window == PrayerWindow::EditForm ? QStringLiteral("PRAYER REQUESTS AND COMMENTS FOR MEETING: ")
                                                          : QStringLiteral("PRAYER REQUESTS AND COMMENTS FOR: ");
    return lead + Plain(meeting);
}

// The request line: the window's lead blanks, the team code, two blanks, the first name,
// a blank, the last name, "- " and the request, the first comma of it all turned into "-".
QString PrayerRequestLine(PrayerWindow window, const QString& team, const QString& firstName,
                          const QString& lastName, const QString& request) {
    const QString lead = window == PrayerWindow::EditForm ? QStringLiteral("    ") : QStringLiteral("   ");
    QString line = lead + team + QStringLiteral("  ") + firstName + u' ' + lastName + QStringLiteral("- ") + request;
    ReplaceFirst(line, QStringLiteral(","), QStringLiteral("-"));
    return line;
}

}  // namespace

void EnterPrayerRequest(App& app, MainScreen& form, PrayerWindow window, qint16& lastPrayerMeeting) {
    const QString request = app.dialogs().input(
        QStringLiteral("The Prayer Requests will not be visible from this screen.  You must select the View Prayer "
                       "Requests option from the tools menu to see them.") +
            NewLine + NewLine + QStringLiteral("Type in the Request below."),
        QStringLiteral("Enter the Prayer Request"));
    if (!request.isEmpty()) {
        const QString line = PrayerRequestLine(window, form.text(QStringLiteral("WorkerCode")),
                                               form.text(QStringLiteral("FName")), form.text(QStringLiteral("LName")),
                                               request);
        const qint16 meeting = app.settings.LastMeeting;
        const QString path = PrayerRequestFile(app.program.DataFile);
        QString lines;
        const bool newJournal = !app.files().exists(path);
        if (newJournal)
            lines += QStringLiteral("PRAYER REQUESTS AND COMMENTS FOR: ") + app.settings.CrusadeName +
                     QStringLiteral(" Meeting") + NewLine + NewLine;
        // A journal begun now (another crusade opened since) gets its meeting heading too.
        if (newJournal || lastPrayerMeeting < meeting) lines += NewLine + MeetingHeading(window, meeting) + NewLine;
        lines += line + NewLine;
        // One append: a request that fails leaves nothing of itself in the journal.
        const GuardedFiles::OwnSave own(app, {OwnFile::PrayerJournal});
        const FileResult written = app.files().append(path, Ansi(lines));
        if (written.ok()) {
            lastPrayerMeeting = meeting;
        } else {
            app.msg.MsgText = QStringLiteral("The prayer request was not saved.") + NewLine + NewLine +
                              QStringLiteral("Error # ") + Str(qint64(written.error)) +
                              QStringLiteral(" was generated ") + NewLine + written.description;
            app.dialogs().msgBox(app.msg.MsgText);
        }
    }
    if (window == PrayerWindow::AttendF || form.isVisible(kSearchBox)) form.setFocus(kSearchBox);
}

void EnterPrayer(App& app, MainScreen& editForm) {
    EnterPrayerRequest(app, editForm, PrayerWindow::EditForm, app.mainWindow.LastPrayerMeeting);
}

namespace attendf {

void EnterPrayerFromAttend(App& app, AttendFState& st, MainScreen& attendF) {
    EnterPrayerRequest(app, attendF, PrayerWindow::AttendF, st.LastPrayerMeeting);
}

}  // namespace attendf
}  // namespace fennick
