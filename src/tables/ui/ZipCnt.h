#pragma once
// The team totals window "Workers" beside the zip-code editor: the "Unassigned" row, then
// one row per team that has addresses in the zip-code table, in team order without gaps,
// each with the sum of the address counts of its zip codes. Rows are made the first time
// a team needs one and reused; a team without a total has its row hidden.

#include <QHash>
#include <QWidget>

class QLineEdit;
class QVBoxLayout;

namespace fennick {

class App;

class ZipCnt : public QWidget {
    Q_OBJECT

public:
    explicit ZipCnt(App& app, QWidget* parent = nullptr);

    // Builds the rows anew from the table; also each time the window comes forward.
    void refresh();

    // The box of that name ("TeamNameBox(3)", "TeamCountBox(3)"); null when there is none.
    QLineEdit* box(const QString& name) const { return boxes_.value(name); }
    // The teams whose rows are shown, top to bottom.
    QList<int> shownTeams() const { return shown_; }

protected:
    bool event(QEvent* event) override;

private:
    QWidget* row(int team);

    App& app_;
    QVBoxLayout* rows_ = nullptr;
    QHash<int, QWidget*> rowOf_;
    QHash<QString, QLineEdit*> boxes_;
    QList<int> shown_;
};

}  // namespace fennick
