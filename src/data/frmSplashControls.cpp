#include "data/frmSplashControls.h"

namespace fennick {

const QStringList& frmSplashControlNames() {
    static const QStringList names = {// The painted panel.
                                      "lblProductName", "lblVersion", "lblPlatform",
                                      // The choices: the last crusade in its frame, a new one, exit.
                                      "lblWelcome", "LineLastCrusadeTop", "LineLastCrusadeLeft", "btnLastCrusade",
                                      "lblLastCrusadeName", "btSelect", "lblNewFileHint", "btnExitFennick",
                                      // The company.
                                      "lblCompany", "lblCopyright"};
    return names;
}

}  // namespace fennick
