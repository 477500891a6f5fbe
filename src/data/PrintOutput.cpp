#include "data/PrintOutput.h"

#include "data/App.h"
#include "data/Errors.h"
#include "platform/Dialogs.h"

namespace fennick {

PrintOutput::PrintOutput(App& app) : app_(app) {
    app_.platform.printer.bind(*this);
}

PrintOutput::~PrintOutput() {
    app_.platform.printer.unbind(*this);
}

void PrintOutput::end(const PrinterChoice& job, const std::function<void()>& deliver) {
    try {
        if (job.toPdf) app_.guardedFiles.checkPrinted(job.pdfPath);
        deliver();
    } catch (const VbError& e) {
        app_.dialogs().msgBox(CommonErrorText(e, kSourceFennick95));
        throw PrintFailed(e);
    }
}

Files& PrintOutput::files() {
    return app_.files();
}

}  // namespace fennick
