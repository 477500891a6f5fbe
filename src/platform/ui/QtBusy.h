#pragma once
// The hourglass as the application's override cursor.

#include "platform/Busy.h"

namespace fennick {

class QtBusy : public Busy {
public:
    void begin() override;
    // Restores the pointer of the matching begin(); an end() without one does nothing.
    void end() override;

private:
    int depth_ = 0;
};

}  // namespace fennick
