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

// An editable box as the user pastes into it: the property that holds its text, and the
// most it holds.
struct Box {
    QPointer<QWidget> widget;
    QString name;
    const char* text;
    int width;
};

QList<Box> EditableBoxes(QWidget* window) {
    QList<Box> out;
    for (QWidget* w : OwnWidgets(window)) {
        if (auto* line = qobject_cast<QLineEdit*>(w); line && !line->isReadOnly()) {
            const auto* combo = qobject_cast<QComboBox*>(line->parentWidget());
            out.append({line, combo ? combo->objectName() : line->objectName(), "text", line->maxLength()});
        } else if (auto* text = qobject_cast<QPlainTextEdit*>(w); text && !text->isReadOnly()) {
            const auto* box = dynamic_cast<TextBox*>(text);
            out.append({text, text->objectName(), "plainText", box ? box->maxLength() : 32767});
        }
    }
    return out;
}

// Five characters more than the box holds; for a box of no set width, a long line.
int LongLine(const Box& b) {
    return std::min(b.width, 500) + 5;
}

QMimeData* Copied(const QString& text, const QString& html = {}) {
    auto* d = new QMimeData;
    if (!html.isEmpty()) d->setHtml(html);
    if (!text.isEmpty()) d->setText(text);
    return d;
}

const struct {
    const char* what;
    std::function<QMimeData*(const Box&)> data;
} kPastes[] = {
    {"nothing", [](const Box&) { return new QMimeData; }},
    {"one line longer than the box", [](const Box& b) { return Copied(QString(LongLine(b), u'W')); }},
    {"several lines", [](const Box&) { return Copied(QStringLiteral("First line\r\nSecond line\nThird line\r")); }},
    {"rich text",
     [](const Box&) {
         return Copied(QStringLiteral("Bold words\nand a second paragraph"),
                       QStringLiteral("<p><b>Bold</b> words</p><p>and a <i>second</i> paragraph</p>"));
     }},
    {"an image only",
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
            ++boxes;
            const QVariant before = box.widget->property(box.text);
            for (const auto& p : kPastes) {
                SCOPED_TRACE((stop + u' ' + box.name + u' ' + QLatin1String(p.what)).toStdString());
                QGuiApplication::clipboard()->setMimeData(p.data(box));
                QMetaObject::invokeMethod(box.widget, "selectAll");
                QTest::keySequence(box.widget, paste);
                ASSERT_TRUE(standing && box.widget) << "the window or the box went";
                const QString now = box.widget->property(box.text).toString();
                EXPECT_LE(now.size(), box.width) << now.toStdString();
                if (qobject_cast<QLineEdit*>(box.widget)) {
                    EXPECT_FALSE(now.contains(u'\n') || now.contains(u'\r')) << now.toStdString();
                }
                if (&p == &kPastes[1]) filled += now.size() == std::min(box.width, LongLine(box));
                box.widget->setProperty(box.text, before);
            }
        }
    });
    QGuiApplication::clipboard()->clear();
    // The walk reached boxes, and the paste reached the boxes whose windows let it in.
    EXPECT_GT(boxes, 100);
    EXPECT_GT(filled, boxes / 2);
}

}  // namespace
