#include "outputlist.h"

#include "ports/preferences.h"

#include "catalog/textrules.h"

#include <algorithm>
#include <utility>

namespace Vello {
namespace {

// The name as the picker shows it: printable, trimmed and short; the identifier when the
// output gives no name.
std::string fitName(const OutputInfo& output)
{
    const std::optional<std::string> printable = printableText(output.name);
    const std::string_view name = trimmed(printable ? *printable : output.name);
    return std::string(
        leadingCharacters(name.empty() ? std::string_view(output.id) : name, OutputList::maxNameCharacters));
}

} // namespace

OutputList::OutputList(OutputDiscovery& discovery, Preferences& preferences)
    : m_discovery(discovery)
    , m_preferences(preferences)
{
}

std::optional<Error> OutputList::start()
{
    return m_discovery.start([this](const OutputDiscoveryEvent& event) { handle(event); });
}

const OutputInfo* OutputList::find(const std::string& id) const
{
    const auto found = std::ranges::find(m_outputs, id, &OutputInfo::id);
    return found == m_outputs.end() ? nullptr : &*found;
}

std::unique_ptr<Output> OutputList::open(const std::string& id)
{
    return find(id) != nullptr ? m_discovery.open(id) : nullptr;
}

OutputList::Subscription OutputList::subscribe(Listener listener)
{
    auto subscription = std::make_shared<Listener>(std::move(listener));
    std::erase_if(m_listeners, [](const std::weak_ptr<Listener>& kept) { return kept.expired(); });
    m_listeners.push_back(subscription);
    return subscription;
}

std::string OutputList::remembered() const
{
    return m_preferences.text(rememberedKey).value_or(std::string());
}

void OutputList::remember(const std::string& id)
{
    if (remembered() != id) {
        m_preferences.setText(rememberedKey, id);
    }
}

void OutputList::handle(const OutputDiscoveryEvent& event)
{
    OutputDiscoveryEvent told = event;
    if (const auto* found = std::get_if<OutputFound>(&event)) {
        OutputInfo output {found->output.id, fitName(found->output)};
        std::erase_if(m_outputs, [&](const OutputInfo& kept) { return kept.id == output.id; });
        if (output.id.empty() || m_outputs.size() >= maxOutputs) {
            return;
        }
        const auto place = std::ranges::upper_bound(m_outputs, output, [](const OutputInfo& a, const OutputInfo& b) {
            return std::pair(lowercased(a.name), a.id) < std::pair(lowercased(b.name), b.id);
        });
        m_outputs.insert(place, output);
        told = OutputFound {std::move(output)};
    } else if (std::erase_if(
                   m_outputs, [&](const OutputInfo& kept) { return kept.id == std::get<OutputLost>(event).id; })
        == 0) {
        return;
    }
    // A copy: a listener may subscribe or drop its subscription while hearing.
    const std::vector<std::weak_ptr<Listener>> listeners = m_listeners;
    for (const std::weak_ptr<Listener>& weak : listeners) {
        if (const std::shared_ptr<Listener> listener = weak.lock()) {
            (*listener)(told);
        }
    }
}

} // namespace Vello
