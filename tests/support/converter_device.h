// The converter model as a serial device of the headless backend: attach one to a port name and the
// program's port code talks to a converter on the virtual clock.
#pragma once

#include "converter_model/converter_model.h"
#include "platform/headless/headless_port.h"

namespace zor::testing {

class ConverterDevice final : public platform::headless::SerialDevice {
  public:
    sim::ConverterModel model;

    void written(const std::uint8_t* bytes, std::size_t count, std::uint64_t atMs) override {
        model.receive(bytes, count, atMs);
    }
    std::optional<std::uint64_t> nextByteTime() override {
        const auto next = model.nextOutput();
        if (!next) return std::nullopt;
        return next->atMs;
    }
    std::uint8_t takeByte() override {
        const auto next = model.nextOutput();
        model.popOutput();
        return next ? next->value : 0;
    }
    void purgeArrived(std::uint64_t atMs) override { model.discardOutputUntil(atMs); }
};

} // namespace zor::testing
