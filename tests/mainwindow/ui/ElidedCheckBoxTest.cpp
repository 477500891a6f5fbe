// A decision box keeps the room of its whole caption up to the longest title the program
// gives, and cuts a longer caption short to that room instead of clipping it.

#include "mainwindow/ui/ElidedCheckBox.h"

#include <gtest/gtest.h>

using namespace fennick;

TEST(ElidedCheckBox, CutsItsCaptionToTheRoomItHas) {
    const QString longest = QLatin1String(kLongestDecisionCaption);
    ElidedCheckBox model(longest, longest);
    // Longer than the longest title: in letters, or only in width.
    for (const QString& title :
         {QStringLiteral("Accept Christ as personal Saviour"), QStringLiteral("WOMEN'S MINISTRY")}) {
        SCOPED_TRACE(title.toStdString());
        ElidedCheckBox box(title, longest);
        // Never wider than a box with the longest title, and no narrower.
        EXPECT_EQ(box.sizeHint().width(), model.sizeHint().width());
        EXPECT_EQ(box.minimumSizeHint().width(), model.sizeHint().width());

        struct Case {
            int width;
            bool cut;
        };
        for (const Case& c : {Case{box.minimumSizeHint().width() - 20, true}, Case{model.sizeHint().width(), true},
                              Case{box.QCheckBox::sizeHint().width() + 10, false}}) {
            box.resize(c.width, box.sizeHint().height());
            const QString shown = box.shownText();
            SCOPED_TRACE(c.width);
            EXPECT_EQ(shown != title, c.cut) << shown.toStdString();
            if (c.cut) {
                // Cut in its middle: both ends stay, so titles alike keep what tells them apart.
                EXPECT_TRUE(shown.contains(QChar(0x2026))) << shown.toStdString();
                EXPECT_TRUE(shown.startsWith(title.left(1)) && shown.endsWith(title.right(1))) << shown.toStdString();
            }
            EXPECT_EQ(box.text(), title);  // the control keeps its whole caption
        }
    }
    // A short title stays whole at the least size it asks for.
    ElidedCheckBox shortBox(QStringLiteral("Baptism"), longest);
    shortBox.resize(shortBox.minimumSizeHint());
    EXPECT_EQ(shortBox.shownText(), QStringLiteral("Baptism"));
}
