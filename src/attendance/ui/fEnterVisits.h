#pragma once
// The visit-code window "Visitation Code": the meeting number with Decrease and Increase,
// and the visit type. Modal; Enter in the number box closes it, and every way of closing
// leaves the type's letter and the number in MsgText for the caller.

#include "attendance/VisitCodeEntry.h"

#include <QDialog>

#include <array>
#include <functional>

class QLineEdit;
class QRadioButton;

namespace fennick {

class App;

class fEnterVisits : public QDialog {
    Q_OBJECT

public:
    explicit fEnterVisits(App& app, QWidget* parent = nullptr);

    // Makes the window the one a double click in the visit frame's box opens.
    static void install(App& app);

public slots:
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void run(const std::function<void()>& command);
    void showState();

    App& app_;
    VisitCodeEntry entry_;
    bool unloaded_ = false;
    QLineEdit* tVNum_ = nullptr;
    std::array<QRadioButton*, VisitCodeEntry::kTypes> optVType_{};
};

}  // namespace fennick
