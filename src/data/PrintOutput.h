#pragma once
// The end of every print of the application: the printer of the platform is bound to it
// for as long as the application object lives. A PDF file is refused over the files that
// only their own saves write (GuardedFiles) and saved through the application's file
// operations; a document that could not be delivered is told with the common error
// message, and the print ends there (PrintFailed).

#include "platform/Printer.h"

namespace fennick {

class App;

class PrintOutput : public Printer::Output {
public:
    // Binds app's printer, which may belong to no other application object.
    explicit PrintOutput(App& app);
    ~PrintOutput() override;
    PrintOutput(const PrintOutput&) = delete;
    PrintOutput& operator=(const PrintOutput&) = delete;

    void end(const PrinterChoice& job, const std::function<void()>& deliver) override;
    Files& files() override;

private:
    App& app_;
};

}  // namespace fennick
