#pragma once
// The program's help: a window over the embedded help pages.

#include <QString>

namespace fennick {

class Help {
public:
    virtual ~Help() = default;
    // Opens the help at a topic given by its context number; false when there is none.
    virtual bool showContext(int context) = 0;
    virtual bool showContents() = 0;
    // Closes the help window when it is open.
    virtual void quit() = 0;
};

}  // namespace fennick
