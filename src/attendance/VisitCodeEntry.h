#pragma once
// The visit-code window "Visitation Code" without its display: the meeting number (the
// last meeting to start with) with buttons one down and one up, and the visit type: Home,
// Phone, Meeting or Drop Pkt. Its input and its answer pass through MsgText: the letter
// the caller leaves there chooses the type, and on closing MsgText holds the type's letter
// and the meeting ("H7").

#include <QString>

namespace fennick {

class App;

class VisitCodeEntry {
public:
    static constexpr int kTypes = 4;

    explicit VisitCodeEntry(App& app);

    // The caption and the code letter of optVType(i).
    static QString typeCaption(int i);
    static QChar typeLetter(int i);

    void Form_Load();
    void btnMinus_Click();
    void btnPlus_Click();
    void optVType_Click(int i);
    void Form_Unload();

    QString tVNum;  // the meeting number box
    int type = -1;  // the type chosen, -1 for none

private:
    void step(int by);

    App& app_;
};

}  // namespace fennick
