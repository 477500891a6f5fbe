#include "reportwindow/FamilyMem.h"

#include "data/App.h"
#include "data/BulkWrite.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/Text.h"
#include "platform/Dialogs.h"
#include "views/MailViews.h"

namespace fennick {

namespace {

qint32 RecordOf(const QByteArray& entry) {
    return qint32(Val(Right(entry, 4)));
}

int ShownHousehold(const FamilyMemForm& f) {
    return f.FamilyList.isEmpty() ? 0 : HouseholdNumber(HouseholdKeyOf(f.FamilyList.first()));
}

void MoveTo(App& app, FamilyMemForm& f, int m) {
    if (!SaveFamily(app, f)) return;
    QByteArray key;
    ChangeFamily(app, f, key, m);
}

}  // namespace

void FamilyMem_Load(App& app, FamilyMemForm& f) {
    const int n = ShownHousehold(f);
    f.caption = QStringLiteral("Edit Mail List ");
    f.RecordCounter = Plain(n) + QStringLiteral(" of ") + Plain(app.view.FamilyMax);
    f.ckFamily.clear();
    f.ckFamilyCaption.clear();
    f.MLAge.clear();
    for (const QByteArray& entry : f.FamilyList) {
        const AttendeeRecord rec = ReadRecord(app, RecordOf(entry));
        f.txtEditFamily = FromAnsi(rec.Address.bytes() + rec.City.bytes());
        f.ckFamily.append(rec.MailList != 0 ? kBoxTicked : kBoxClear);
        f.ckFamilyCaption.append(FromAnsi(rec.FName.trimmed() + " " + rec.LName.trimmed()));
        f.MLAge.append(FromAnsi(rec.Age.bytes()));
    }
}

void ChangeFamily(App& app, FamilyMemForm& f, QByteArray& key, int m) {
    key = HouseholdKey(m);
    const QList<QByteArray> family = HouseholdEntries(app.view, key);
    // A number without entries keeps the household shown (the builder leaves no gaps).
    if (family.isEmpty()) return;
    f.FamilyList = family;
    FamilyMem_Load(app, f);
}

bool SaveFamily(App& app, FamilyMemForm& f) {
    BulkWrite writes(app, QStringLiteral("Writing the household's mail list"), kSourceFennick95);
    for (int i = 0; i < f.FamilyList.size() && i < f.ckFamily.size(); ++i) {
        const qint32 r = RecordOf(f.FamilyList[i]);
        AttendeeRecord rec = ReadRecord(app, r);
        rec.MailList = f.ckFamily[i] != kBoxClear ? 1 : 0;
        writes.write(r, rec);
    }
    if (!writes.failed()) return true;
    app.dialogs().msgBox(writes.report(QStringLiteral("Running it again is safe: moving to another household writes "
                                                      "the ticks of this one again.")),
                         Buttons::OK, Icon::Exclamation);
    return false;
}

void FirstFmy_Click(App& app, FamilyMemForm& f) {
    MoveTo(app, f, 1);
}

void btnPrevFmy_Click(App& app, FamilyMemForm& f) {
    const int m = ShownHousehold(f) - 1;
    if (m < 1) {
        app.dialogs().msgBox(kFamilyBeginning);
        return;
    }
    MoveTo(app, f, m);
}

void btnNextFmy_Click(App& app, FamilyMemForm& f) {
    const int m = ShownHousehold(f) + 1;
    if (m > app.view.FamilyMax) {
        app.dialogs().msgBox(kFamilyEnd);
        return;
    }
    MoveTo(app, f, m);
}

void LastFamily_Click(App& app, FamilyMemForm& f) {
    MoveTo(app, f, app.view.FamilyMax);
}

void SelMlLClose_Click(FamilyMemForm& f) {
    f.unloaded = true;
}

void FamilyMem_Unload(FamilyMemForm& f) {
    for (int i = 0; i < f.FamilyList.size(); ++i) {
        QByteArray& entry = f.FamilyList[i];
        if (entry.isEmpty()) continue;
        const bool ticked = i < f.ckFamily.size() && f.ckFamily[i] != kBoxClear;
        entry[0] = ticked ? '$' : '-';
    }
}

}  // namespace fennick
