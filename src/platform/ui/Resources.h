#pragma once

namespace fennick {
// Registers the program's embedded resources (help pages, manual, sounds, icons).
void InitResources();
}  // namespace fennick
