#pragma once
// The zip-code editor "Zip Codes": a modeless window over the zip-code table. It is thin:
// each event copies the boxes into a ZipForm, runs the procedure of that name
// (tables/ZipEditor.h) and shows the form again. Every control carries its name.

#include "tables/ZipEditor.h"
#include "tables/ui/TableWindow.h"

#include <functional>

class QLineEdit;

namespace fennick {

class App;

class EditZip : public TableWindow {
    Q_OBJECT

public:
    // Loads the window: the table sorted by zip and the first entry shown.
    EditZip(App& app, QWidget* parent = nullptr);

    const ZipForm& form() const { return form_; }

    // Called after a procedure changed a team code of the table and after the team names
    // were edited (the totals window shows its rows again, and comes back when it was
    // closed), and when the window closes by its own Close (the totals window goes with it
    // and the main window is shown).
    std::function<void()> showTotals;
    std::function<void()> closedByUser;
    // Called whenever the window is raised or activated, whichever way it came forward (the
    // program's commands, the end of a dialog, a click): the totals come with it. The
    // window's own raise within it calls it no more.
    std::function<void()> broughtForward;

    // Keeps the shown entry and closes, without a question; for the close of the table
    // windows before the tables are replaced.
    void closeKeepingEntry();
    // Brings the window forward with the focus in the team code box.
    void focusTeamCode();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void activate() override;

private:
    QLineEdit* box(const QString& name, int maxLength);
    void build();

    // Runs a procedure of the window over the form: boxes in, procedure, form out.
    void run(const std::function<void()>& procedure);
    void collect();
    void present();

    ZipForm form_;
    bool teamChanged_ = false;  // the last procedure changed a team code of the table
    bool bringingForward_ = false;
};

}  // namespace fennick
