#include "favoritestransfer.h"

#include "browser/browsercontroller.h"
#include "browser/favoritesfile.h"
#include "i18n/translation.h"
#include "platform/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QMessageBox>
#include <QPromise>
#include <QSaveFile>
#include <QStringList>
#include <QThreadPool>

#include <memory>
#include <optional>
#include <variant>

namespace Vello {

namespace {

QString exportTitle()
{
    return QCoreApplication::translate("FavoritesTransfer", "Export Favourites");
}

QString importTitle()
{
    return QCoreApplication::translate("FavoritesTransfer", "Import Favourites");
}

QString fileFilter()
{
    return QCoreApplication::translate("FavoritesTransfer", "Favourites (*.json);;All files (*)");
}

Result<FavoritesFile::Contents> readFavorites(const QString& path)
{
    auto read = readRegularFile(path, static_cast<qint64>(FavoritesFile::maxBytes));
    if (auto* error = std::get_if<Error>(&read)) {
        return std::move(*error);
    }
    const auto& bytes = std::get<std::optional<QByteArray>>(read);
    if (!bytes) {
        return Error {VELLO_TR("Core", "The file is no longer there.")};
    }
    return FavoritesFile::read(std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())));
}

// What an import added, and what it skipped and why, one sentence each.
QString summaryText(const ImportSummary& imported)
{
    const auto count = [](std::size_t n) { return static_cast<int>(n); };
    QStringList sentences {QCoreApplication::translate(
        "FavoritesTransfer", "%Ln station(s) were added to your favourites.", nullptr, count(imported.favorites))};
    if (imported.ownStations > 0) {
        sentences << QCoreApplication::translate("FavoritesTransfer",
            "%Ln station(s) of your own were added to My Stations.", nullptr, count(imported.ownStations));
    }
    if (imported.alreadyThere > 0) {
        sentences << QCoreApplication::translate("FavoritesTransfer",
            "%Ln station(s) were skipped because they were already there.", nullptr, count(imported.alreadyThere));
    }
    if (imported.notStations > 0) {
        sentences << QCoreApplication::translate("FavoritesTransfer",
            "%Ln entry(s) were skipped because they are not stations that can be played.", nullptr,
            count(imported.notStations));
    }
    if (imported.notSaved > 0) {
        sentences << QCoreApplication::translate("FavoritesTransfer",
            "%Ln station(s) of your own were skipped because no more can be saved.", nullptr, count(imported.notSaved));
    }
    return sentences.join(QLatin1Char(' '));
}

} // namespace

void exportFavorites(QWidget* parent, const BrowserController& browser)
{
    const QString path = QFileDialog::getSaveFileName(parent, exportTitle(),
        QDir::home().filePath(QCoreApplication::translate("FavoritesTransfer", "Pemba Vello Favourites.json")),
        fileFilter());
    if (path.isEmpty()) {
        return;
    }
    const std::string text = FavoritesFile::write(browser.personal().favoritesToExport());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), static_cast<qint64>(text.size())) < 0
        || !file.commit()) {
        QMessageBox::warning(parent, exportTitle(),
            QCoreApplication::translate("FavoritesTransfer", "The favourites could not be saved to “%1”: %2")
                .arg(QFileInfo(path).fileName(), file.errorString()));
    }
}

void importFavorites(QWidget* parent, BrowserController& browser)
{
    const QString path = QFileDialog::getOpenFileName(parent, importTitle(), QDir::homePath(), fileFilter());
    if (path.isEmpty()) {
        return;
    }
    // The file is read and parsed on a worker: the window keeps answering while a slow disk
    // takes its time. The watcher goes with the window, and the answer with it.
    auto* watcher = new QFutureWatcher<Result<FavoritesFile::Contents>>(parent);
    QObject::connect(watcher, &QFutureWatcherBase::finished, parent, [watcher, parent, &browser, path] {
        const Result<FavoritesFile::Contents> parsed = watcher->result();
        watcher->deleteLater();
        if (const auto* error = std::get_if<Error>(&parsed)) {
            QMessageBox::warning(parent, importTitle(),
                QCoreApplication::translate(
                    "FavoritesTransfer", "“%1” was not imported, and your favourites are unchanged.\n\n%2")
                    .arg(QFileInfo(path).fileName(), translated(error->description)));
            return;
        }
        QMessageBox::information(parent, importTitle(),
            summaryText(browser.personal().importFavorites(std::get<FavoritesFile::Contents>(parsed))));
    });
    auto promise = std::make_shared<QPromise<Result<FavoritesFile::Contents>>>();
    watcher->setFuture(promise->future());
    QThreadPool::globalInstance()->start([promise, path] {
        promise->start();
        promise->addResult(readFavorites(path));
        promise->finish();
    });
}

} // namespace Vello
