#pragma once

#include "base/error.h"
#include "ports/output.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Vello {

class Preferences;

// The outputs found on the network, by name, and the one chosen last time, remembered by its
// identifier. Names are made printable and cut short as they arrive; a flood of announcements
// stops at `maxOutputs`. Any number of listeners follow the list. GUI thread only.
class OutputList final {
public:
    using Listener = std::function<void(const OutputDiscoveryEvent&)>;
    // Unsubscribes when dropped.
    using Subscription = std::shared_ptr<Listener>;

    static constexpr std::size_t maxOutputs = 64;
    static constexpr std::size_t maxNameCharacters = 48;
    // The preference that holds the identifier of the output chosen last; empty for this computer.
    static constexpr const char* rememberedKey = "output";

    // Both ports must outlive the list.
    OutputList(OutputDiscovery& discovery, Preferences& preferences);

    OutputList(const OutputList&) = delete;
    OutputList& operator=(const OutputList&) = delete;

    // Starts looking; why it cannot, when it cannot.
    [[nodiscard]] std::optional<Error> start();
    [[nodiscard]] const std::vector<OutputInfo>& outputs() const { return m_outputs; }
    [[nodiscard]] const OutputInfo* find(const std::string& id) const;
    // The output found as `id`, to control; nullptr when it is not found.
    [[nodiscard]] std::unique_ptr<Output> open(const std::string& id);

    // `listener` hears of each output found (with its name made fit to show) and each one
    // gone, after the list has changed, for as long as the subscription is kept.
    [[nodiscard]] Subscription subscribe(Listener listener);

    // The output chosen last, kept across starts; empty for this computer.
    [[nodiscard]] std::string remembered() const;
    void remember(const std::string& id);

private:
    void handle(const OutputDiscoveryEvent& event);

    OutputDiscovery& m_discovery;
    Preferences& m_preferences;
    std::vector<OutputInfo> m_outputs;
    std::vector<std::weak_ptr<Listener>> m_listeners;
};

} // namespace Vello
