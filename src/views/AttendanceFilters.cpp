#include "views/AttendanceFilters.h"

#include "data/App.h"
#include "data/Text.h"
#include "platform/Dialogs.h"

#include <cmath>
#include <optional>

namespace fennick {

namespace {

// The whole number a box holds, when it holds one of 0 or more (blanks around allowed).
std::optional<qint16> WholeNumber(const QString& text) {
    if (!IsNumeric(text)) return std::nullopt;
    const double v = Val(text);
    if (v != std::floor(v) || v < 0 || v > 32767) return std::nullopt;
    return qint16(v);
}

}  // namespace

void Form_Load(App& app, AttendanceFiltersForm& form) {
    CrusadeSettings& s = app.settings;
    if (s.TotalAttendNum == 0) s.TotalAttendNum = 1;
    form.txtLastMtgCutoff = Plain(s.PrintCutOff);
    form.txtTotalAttend = Plain(s.TotalAttendNum);
    txtTotalAttend_Change(app, form);
    form.optTotal = 1;
}

void txtTotalAttend_Change(App& app, AttendanceFiltersForm& form) {
    const qint16 lastMeeting = app.settings.LastMeeting;
    form.optTotalCaption[0] = QStringLiteral("Equals ") + form.txtTotalAttend;
    if (Val(form.txtTotalAttend) > lastMeeting) {
        app.dialogs().msgBox(QStringLiteral("Number must be smaller than the last meeting."));
        // Setting the box is a change of its own, as it is in the window.
        form.txtTotalAttend = Str(qint64(lastMeeting));
        txtTotalAttend_Change(app, form);
    }
    form.optTotalCaption[1] = QStringLiteral("At Least ") + form.txtTotalAttend;
}

bool btnSave_Click(App& app, AttendanceFiltersForm& form) {
    CrusadeSettings& s = app.settings;
    std::optional<qint16> cutOff = WholeNumber(form.txtLastMtgCutoff);
    const std::optional<qint16> total = WholeNumber(form.txtTotalAttend);
    if (!cutOff || !total) {
        app.dialogs().msgBox(
            QStringLiteral("Total Attendance and Last Meeting Cut Off must be whole numbers of 0 or more."),
            Buttons::OK, Icon::Exclamation);
        return false;
    }
    if (*cutOff >= s.LastMeeting) {
        cutOff = qint16(std::max(0, s.LastMeeting - 1));
        form.txtLastMtgCutoff = Plain(*cutOff);
    }
    s.PrintCutOff = *cutOff;
    s.TotalAttendNum = *total;
    app.msg.ScratchVar = form.optTotal == 0 ? QStringLiteral("equal") : QStringLiteral("atleast");
    return true;
}

void btnCancel_Click(App& app, AttendanceFiltersForm&) {
    app.msg.ScratchVar = QStringLiteral("cancel");
}

void ShowAttendanceFilters(App& app) {
    if (app.hooks.showAttendanceFilters)
        app.hooks.showAttendanceFilters();
    else
        app.msg.ScratchVar = QStringLiteral("cancel");
}

}  // namespace fennick
