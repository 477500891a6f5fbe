#pragma once
// The hourglass pointer while a long pass runs.

namespace fennick {

class Busy {
public:
    virtual ~Busy() = default;
    virtual void begin() = 0;
    virtual void end() = 0;
};

class NoBusy : public Busy {
public:
    void begin() override {}
    void end() override {}
};

// Shows the hourglass for the lifetime of the guard.
class BusyGuard {
public:
    explicit BusyGuard(Busy& b) : busy_(b) { busy_.begin(); }
    ~BusyGuard() { busy_.end(); }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    Busy& busy_;
};

}  // namespace fennick
