#pragma once
#include <chrono>

#include "platform/WindowSystem.h"

namespace qlr {

class SteadyClock : public Clock {
public:
    double NowMs() const override {
        using namespace std::chrono;
        return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
    }
};

}  // namespace qlr
