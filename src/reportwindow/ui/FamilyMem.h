#pragma once
// The household mail-list editor (modal): one household of the clean-mail-list view at a
// time, a box and age per member, the first, previous, next and last moves (each writes
// the household left) and Close. The rules are display-free (reportwindow/FamilyMem.h).

#include "reportwindow/FamilyMem.h"

#include <QDialog>
#include <QList>

#include <functional>

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace fennick {

class App;

class FamilyMem : public QDialog {
    Q_OBJECT
public:
    FamilyMem(App& app, const QList<QByteArray>& family, QWidget* parent = nullptr);

    // Shows the editor modally on the entries of one household; on return each entry of
    // the household shown last begins with "$" (ticked) or "-".
    static void edit(App& app, QList<QByteArray>& family, QWidget* parent = nullptr);

    const FamilyMemForm& form() const { return form_; }
    void done(int result) override;

private:
    // Runs a rule through the command guard with the boxes as they are ticked, then shows
    // the form or closes.
    void run(const std::function<void()>& rule);
    void readBoxes();
    void showForm();

    App& app_;
    FamilyMemForm form_;
    QLineEdit* RecordCounter = nullptr;
    QLabel* txtEditFamily = nullptr;
    QGridLayout* members_ = nullptr;
    QList<QCheckBox*> ckFamily;
    QList<QLabel*> MLAge;
    bool closing_ = false;
};

}  // namespace fennick
