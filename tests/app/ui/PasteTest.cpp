// A paste into every editable box of every window, in each mode the walk reaches: the
// program runs on, and the box holds no more than it is made to hold, on one line where it
// is a one-line box.

#include "WindowWalk.h"

#include "mainwindow/ui/TextBox.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QImage>
#include <QKeySequence>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QTest>

#include <functional>

using namespace fennick;
using namespace fennick::test;

namespace {

// An editable box as the user pastes into it, and the most it holds.
struct Box {
    QPointer<QWidget> widget;
    QString name;
    int width;
    bool oneLine;
};

QList<Box> EditableBoxes(QWidget* window) {
    QList<Box> out;
    for (QWidget* w : OwnWidgets(window)) {
        if (auto* line = qobject_cast<QLineEdit*>(w); line && !line->isReadOnly()) {
            const auto* combo = qobject_cast<QComboBox*>(line->parentWidget());
            out.append({line, combo ? combo->objectName() : line->objectName(), line->maxLength(), true});
        } else if (auto* text = qobject_cast<QPlainTextEdit*>(w); text && !text->isReadOnly()) {
            const auto* box = dynamic_cast<TextBox*>(text);
            out.append({text, text->objectName(), box ? box->maxLength() : 32767, false});
        }
    }
    return out;
}

QString Text(const QWidget* w) {
    if (const auto* line = qobject_cast<const QLineEdit*>(w)) return line->text();
    return static_cast<const QPlainTextEdit*>(w)->toPlainText();
}

void SetText(QWidget* w, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(w))
        line->setText(text);
    else
        static_cast<QPlainTextEdit*>(w)->setPlainText(text);
}

void SelectAll(QWidget* w) {
    if (auto* line = qobject_cast<QLineEdit*>(w))
        line->selectAll();
    else
        static_cast<QPlainTextEdit*>(w)->selectAll();
}

// Five characters more than the box holds; for a box of no set width, a long line.
int LongLine(const Box& b) {
    return std::min(b.width, 500) + 5;
}

struct Paste {
    const char* what;
    bool fills;  // a box that takes it is full afterwards
    std::function<QMimeData*(const Box&)> data;
};

const Paste kPastes[] = {
    {"nothing", false, [](const Box&) { return new QMimeData; }},
    {"one line longer than the box", true,
     [](const Box& b) {
         auto* d = new QMimeData;
         d->setText(QString(LongLine(b), u'W'));
         return d;
     }},
    {"several lines", false,
     [](const Box&) {
         auto* d = new QMimeData;
         d->setText(QStringLiteral("First line\r\nSecond line\nThird line\r"));
         return d;
     }},
    {"rich text", false,
     [](const Box&) {
         auto* d = new QMimeData;
         d->setHtml(QStringLiteral("<p><b>Bold</b> words</p><p>and a <i>second</i> paragraph</p>"));
         d->setText(QStringLiteral("Bold words\nand a second paragraph"));
         return d;
     }},
    {"an image only", false,
     [](const Box&) {
         auto* d = new QMimeData;
         QImage image(8, 8, QImage::Format_RGB32);
         image.fill(Qt::red);
         d->setImageData(image);
         return d;
     }},
};

TEST_F(WindowWalk, APasteIntoAnyBoxKeepsTheProgramAndTheBoxsWidth) {
    // The paste key every platform has, which no window takes as a command of its own.
    const QKeySequence paste(Qt::SHIFT | Qt::Key_Insert);
    ASSERT_TRUE(QKeySequence::keyBindings(QKeySequence::Paste).contains(paste));
    int boxes = 0, filled = 0;
    walk([&](const QString& stop, QWidget* window) {
        const QPointer<QWidget> standing = window;
        for (const Box& box : EditableBoxes(window)) {
            const QString before = Text(box.widget);
            for (const Paste& p : kPastes) {
                SCOPED_TRACE((stop + u' ' + box.name + u' ' + QLatin1String(p.what)).toStdString());
                ASSERT_TRUE(standing && box.widget) << "the window or the box went";
                QGuiApplication::clipboard()->setMimeData(p.data(box));
                SelectAll(box.widget);
                QTest::keySequence(box.widget, paste);
                ASSERT_TRUE(standing && box.widget) << "the window or the box went";
                const QString now = Text(box.widget);
                EXPECT_LE(now.size(), box.width) << now.toStdString();
                if (box.oneLine) {
                    EXPECT_FALSE(now.contains(u'\n') || now.contains(u'\r')) << now.toStdString();
                }
                if (p.fills) filled += now.size() == std::min(box.width, LongLine(box));
                SetText(box.widget, before);
            }
            ++boxes;
        }
    });
    QGuiApplication::clipboard()->clear();
    // The walk reached boxes, and the paste reached the boxes whose windows let it in.
    EXPECT_GT(boxes, 100);
    EXPECT_GT(filled, boxes / 2);
}

}  // namespace
