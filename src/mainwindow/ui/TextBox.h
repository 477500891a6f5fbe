#pragma once

#include <QPlainTextEdit>

class QMimeData;

namespace fennick {

// A box of several lines that holds at most maxLength characters, as a line box does:
// whatever is pasted or dropped into it (a paste from the keyboard, the box's menu, the
// middle button) is the plain text of what was copied, nothing when that holds no text,
// cut to the room left. It never hands the copied data to Qt's own insertion, which ends
// the program on a clipboard that offers no data at all.
class TextBox : public QPlainTextEdit {
public:
    TextBox(int maxLength, QWidget* parent) : QPlainTextEdit(parent), maxLength_(maxLength) {}

    int maxLength() const { return maxLength_; }

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    int maxLength_;
};

}  // namespace fennick
