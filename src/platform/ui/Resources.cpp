#include <QtGlobal>

// The embedded resources live in this static library; the program and the window tests
// register them once at start-up.
static void InitFennickResources() { Q_INIT_RESOURCE(fennick); }

namespace fennick {
void InitResources() { InitFennickResources(); }
}  // namespace fennick
