#pragma once

#include "searchablecatalog.h"

#include "base/error.h"
#include "catalog/stationsource.h"
#include "ports/mainqueue.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <variant>

namespace Vello {

// Asks the catalog's source for the stations and hands the answers and the download's progress
// over on the GUI thread: the catalog ready to search, or what went wrong. Only the latest
// load's answers and progress are handed over. GUI thread only.
class CatalogLoader final {
public:
    using Answer = std::variant<SearchableCatalog, Error>;
    using OnAnswer = std::function<void(Answer)>;
    using OnProgress = std::function<void(const LoadProgress&)>;

    // Every argument must outlive the loader; the callbacks are only called on the GUI thread.
    CatalogLoader(StationSource& source, MainQueue& queue, OnAnswer onAnswer, OnProgress onProgress);
    ~CatalogLoader();

    CatalogLoader(const CatalogLoader&) = delete;
    CatalogLoader& operator=(const CatalogLoader&) = delete;

    // Asks the source for the catalog. The answers and progress of earlier loads are ignored
    // from now on.
    void load(Refresh refresh);
    // Nothing of the loads so far is handed over any more.
    void cancel() { ++m_generation; }

private:
    struct ProgressRelay;

    void receive(std::uint64_t load, Answer answer);
    void deliverProgress(const std::shared_ptr<ProgressRelay>& relay);
    // Hands memory freed by a catalog answer back to the system.
    static void giveBackMemory();

    StationSource& m_source;
    MainQueue& m_queue;
    OnAnswer m_onAnswer;
    OnProgress m_onProgress;
    // Counts the loads started; only the latest one's answers and progress count.
    std::uint64_t m_generation = 0;
    // Callbacks that may outlive the loader hold a weak copy and do nothing once it expires.
    std::shared_ptr<int> m_lifetime = std::make_shared<int>(0);
};

} // namespace Vello
