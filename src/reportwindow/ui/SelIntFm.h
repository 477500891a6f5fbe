#pragma once
// The interest-level picker (modal): seven options A to G ("Baptized" for G), "Clear Int"
// and "Cancel". Cancel has the focus when it opens, so a letter a to g answers at once.
// The rules are display-free (reportwindow/SelIntFm.h); this window shows them.

#include "data/AttendeeRecord.h"
#include "reportwindow/SelIntFm.h"

#include <QDialog>

#include <array>
#include <functional>

class QLabel;
class QPushButton;
class QRadioButton;

namespace fennick {

class App;

class SelIntFm : public QDialog {
    Q_OBJECT
public:
    SelIntFm(App& app, const AttendeeRecord& rec, QWidget* parent = nullptr);

    // Shows the picker modally on rec; on return rec.IntLevel holds the level chosen, or
    // the one it had.
    static void pick(App& app, AttendeeRecord& rec, QWidget* parent = nullptr);

    const SelIntForm& form() const { return form_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs a rule through the command guard, then shows the form or closes.
    void run(const std::function<void()>& rule);
    void showForm();

    App& app_;
    SelIntForm form_;
    std::array<QRadioButton*, kIntLevelButtons + 1> btnInt{};  // 1..7
    QLabel* lblName = nullptr;
    QPushButton* OKBut = nullptr;
    QPushButton* CancelBut = nullptr;
};

}  // namespace fennick
