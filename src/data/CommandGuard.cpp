#include "data/CommandGuard.h"

#include "data/App.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "platform/Dialogs.h"

#include <QCoreApplication>

namespace fennick {

bool RunGuarded(App& app, const QString& source, const std::function<void()>& command,
                const std::function<void(int exitCode)>& programEnd) {
    try {
        command();
        return true;
    } catch (const ProgramEnd& e) {
        if (programEnd)
            programEnd(e.exitCode);
        else if (app.hooks.endProgram)
            app.hooks.endProgram(e.exitCode);
        else
            QCoreApplication::exit(e.exitCode);
    } catch (const DuplicateNumber& e) {
        // A record of a screen refused for its number: the registration box's message.
        TellDuplicateNumber(app, e.number);
    } catch (const PrintFailed&) {
        // Told where the print ended.
    } catch (const VbError& e) {
        app.dialogs().msgBox(CommonErrorText(e, source));
    } catch (const std::exception& e) {
        app.dialogs().msgBox(CommonErrorText(VbError(err::InvalidCall, QString::fromLocal8Bit(e.what())), source));
    } catch (...) {
        app.dialogs().msgBox(CommonErrorText(VbError(err::InvalidCall, QStringLiteral("Unexpected error")), source));
    }
    return false;
}

}  // namespace fennick
