#pragma once
// The church member list window: one member at a time (number, last and first name), the
// record buttons and counter, Search, Edit or Add, Delete, Print and Close. Modeless, over
// the main window, which Close shows again. It is thin: each event copies the boxes into a
// MemberForm, runs the procedure of that name (tables/MemberEditor.h) and shows the form
// again. Every control carries its name.

#include "tables/MemberEditor.h"
#include "tables/ui/TableWindow.h"

#include <QPointer>

#include <functional>

namespace fennick {

class App;

class Members : public TableWindow {
    Q_OBJECT

public:
    // Loads the window: the first member shown, or adding begun for an empty list.
    explicit Members(App& app, QWidget* mainWindow = nullptr);

    const MemberForm& form() const { return form_; }

    // Keeps the entry shown and closes, without showing the main window; for the close of
    // the table windows before the tables are replaced.
    void closeKeepingEntry();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void activate() override;

private:
    void build();

    void run(const std::function<void()>& procedure);
    void collect();
    void present();

    MemberForm form_;
    QPointer<QWidget> main_;
};

}  // namespace fennick
