#pragma once
// The start screen held in memory. Its controls are those of its name list; any other
// name fails the test.

#include "data/StartScreen.h"
#include "data/frmSplashControls.h"

#include <QMap>
#include <QStringList>

#include <gtest/gtest.h>

namespace fennick::test {

class FakeStartScreen : public StartScreen {
public:
    void setText(const QString& c, const QString& t) override { texts[known(c)] = t; }
    QString text(const QString& c) const override { return texts.value(known(c)); }
    void setVisible(const QString& c, bool v) override { hidden[known(c)] = !v; }
    bool isVisible(const QString& c) const override { return !hidden.value(known(c)); }
    void setEnabled(const QString& c, bool e) override { disabled[known(c)] = !e; }
    void repaint() override { paintedTexts << texts.value(QStringLiteral("lblLastCrusadeName")); }

    QMap<QString, QString> texts;
    QMap<QString, bool> hidden;
    QMap<QString, bool> disabled;
    QStringList paintedTexts;

private:
    static const QString& known(const QString& c) {
        if (!frmSplashControlNames().contains(c))
            ADD_FAILURE() << "The start screen has no control " << c.toStdString();
        return c;
    }
};

}  // namespace fennick::test
