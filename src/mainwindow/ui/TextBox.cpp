#include "mainwindow/ui/TextBox.h"

#include <QMimeData>
#include <QTextCursor>

#include <algorithm>

namespace fennick {

bool TextBox::canInsertFromMimeData(const QMimeData* source) const {
    return source && !isReadOnly() && source->hasText();
}

void TextBox::insertFromMimeData(const QMimeData* source) {
    if (!canInsertFromMimeData(source)) return;
    QTextCursor cursor = textCursor();
    const qsizetype kept = toPlainText().size() - (cursor.selectionEnd() - cursor.selectionStart());
    const QString text = source->text().replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const qsizetype room = std::max<qsizetype>(0, maxLength_ - kept);
    if (room == 0 || text.isEmpty()) return;
    cursor.insertText(text.left(room));
    setTextCursor(cursor);
    ensureCursorVisible();
}

}  // namespace fennick
