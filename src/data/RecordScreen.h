#pragma once
// A window that shows one attendee record in controls named like the record's fields
// ("RNum", "LName", "Dec(0)" ...). The shared display operations reach the controls by
// these names; a control a screen does not carry is skipped.

#include <QString>
#include <QStringList>

namespace fennick {

// Colours as the program stores them: 0xBBGGRR.
using BgrColor = quint32;
inline constexpr BgrColor kHighlightColour = 0x80C0FF;  // light orange
inline constexpr BgrColor kWhite = 0xFFFFFF;
inline constexpr BgrColor kRed = 0x0000FF;
// The system's window-text and window-background colours.
inline constexpr BgrColor kWindowText = 0x80000008;
inline constexpr BgrColor kWindowBackground = 0x80000005;

// The boxes that name the person a record screen shows: a question about that record leaves
// them in view.
inline const QStringList& PersonBoxes() {
    static const QStringList boxes = {QStringLiteral("RNum"), QStringLiteral("FName"), QStringLiteral("LName")};
    return boxes;
}

// What a question offering a name that a search found leaves in view: the search row, named
// alike on the main window and the attendance screen (the text searched for and what the
// search told of it), and the boxes of the person the screen shows.
inline const QStringList& FoundNameControls() {
    static const QStringList controls =
        QStringList{QStringLiteral("SearchBox"), QStringLiteral("EntInd"), QStringLiteral("SDAIdent")} + PersonBoxes();
    return controls;
}

class RecordScreen {
public:
    virtual ~RecordScreen() = default;

    // "EditForm" for the main window, "AttendF" for the attendance screen.
    virtual QString formName() const = 0;
    virtual bool has(const QString& control) const = 0;

    // Text of a text box, combo box or label; a public value of the screen by that name.
    virtual QString text(const QString& control) const = 0;
    virtual void setText(const QString& control, const QString& text) = 0;
    // State of a check box: 0 unchecked, 1 checked, 2 greyed.
    virtual int value(const QString& control) const = 0;
    virtual void setValue(const QString& control, int value) = 0;

    virtual void setBackColor(const QString& control, BgrColor color) = 0;
    virtual void setForeColor(const QString& control, BgrColor color) = 0;
    virtual void setBold(const QString& control, bool bold) = 0;
    // The window caption.
    virtual void setCaption(const QString& caption) = 0;
};

}  // namespace fennick
