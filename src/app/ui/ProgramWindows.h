#pragma once
// The program's windows as start-up builds them: the main window, the dialogs the
// display-free code opens over it, and the crusade's modeless windows in their owner,
// with the repair pass and add mode installed and the rule every one-line box keeps on a
// paste (PasteRules). Once it stands, every hook that a built part of the program provides
// is set; the hooks of a modeless window are set while that window stands.

#include <memory>

namespace fennick {

class App;
class CrusadeWindows;
class EditForm;
class PasteRules;

class ProgramWindows {
public:
    explicit ProgramWindows(App& app);
    ~ProgramWindows();

    EditForm& main() { return *main_; }
    CrusadeWindows& crusadeWindows() { return *windows_; }

private:
    App& app_;
    std::unique_ptr<PasteRules> pasteRules_;
    std::unique_ptr<EditForm> main_;
    // Declared after the main window so that they go first: some are its children.
    std::unique_ptr<CrusadeWindows> windows_;
};

}  // namespace fennick
