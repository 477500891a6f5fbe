#pragma once
// What a paste, a drop or a middle click puts into a one-line box of the program's windows
// (a line edit, the edit part of a combo box, an input box's): the lines of what was copied
// joined by blanks, so that no line break reaches a field of a record or a line of a
// settings file. The box's own length still cuts what is pasted to its room.
//
// While it lives it is installed on the application: every one-line box that has no
// validator of its own gets this one as it is first polished, whichever window made it,
// and keeps it on every route text reaches it by. Boxes of several lines are TextBox.

#include <QValidator>

namespace fennick {

class PasteRules : public QValidator {
public:
    explicit PasteRules(QObject* parent = nullptr);
    ~PasteRules() override;

    State validate(QString& input, int& pos) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace fennick
