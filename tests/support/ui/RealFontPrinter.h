#pragma once
// A recording printer that measures with the real fonts, as the Qt printer does: the
// documents it keeps are laid out as they reach paper.

#include "platform/Printer.h"
#include "platform/ui/QtPrinter.h"

namespace fennick::test {

class RealFontPrinter : public RecordingPrinter {
public:
    double textWidth(const QString& text) const override {
        fonts_.setFont(font());
        return fonts_.textWidth(text);
    }
    double textHeight(const QString& text = QStringLiteral("X")) const override {
        fonts_.setFont(font());
        return fonts_.textHeight(text);
    }

private:
    mutable QtPrinter fonts_;
};

}  // namespace fennick::test
