#include "favoritestransfer.h"

#include "browser/browsercontroller.h"
#include "browser/favoritesfile.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>

#include <variant>

namespace Vello {

namespace {

const QString exportTitle = QStringLiteral("Export Favourites");
const QString importTitle = QStringLiteral("Import Favourites");
const QString fileFilter = QStringLiteral("Favourites (*.json);;All files (*)");

} // namespace

void exportFavorites(QWidget* parent, const BrowserController& browser)
{
    const QString path = QFileDialog::getSaveFileName(
        parent, exportTitle, QDir::home().filePath(QStringLiteral("Pemba Vello Favourites.json")), fileFilter);
    if (path.isEmpty()) {
        return;
    }
    const std::string text = FavoritesFile::write(browser.favoritesToExport());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), static_cast<qint64>(text.size())) < 0
        || !file.commit()) {
        QMessageBox::warning(parent, exportTitle,
            QStringLiteral("The favourites could not be saved to “%1”: %2")
                .arg(QFileInfo(path).fileName(), file.errorString()));
    }
}

void importFavorites(QWidget* parent, BrowserController& browser)
{
    const QString path = QFileDialog::getOpenFileName(parent, importTitle, QDir::homePath(), fileFilter);
    if (path.isEmpty()) {
        return;
    }
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    Result<std::vector<FavoriteEntry>> parsed = Error {"The file is too large to be a list of favourite stations."};
    if (!file.open(QIODevice::ReadOnly)) {
        parsed = Error {file.errorString().toStdString()};
    } else if (file.size() <= static_cast<qint64>(FavoritesFile::maxBytes)) {
        const QByteArray text = file.read(static_cast<qint64>(FavoritesFile::maxBytes) + 1);
        parsed = FavoritesFile::read(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    }
    if (const auto* error = std::get_if<Error>(&parsed)) {
        QMessageBox::warning(parent, importTitle,
            QStringLiteral("“%1” was not imported, and your favourites are unchanged.\n\n%2")
                .arg(name, QString::fromStdString(error->description)));
        return;
    }
    const BrowserController::Imported added = browser.importFavorites(std::get<std::vector<FavoriteEntry>>(parsed));
    QString message = added.favorites == 1
        ? QStringLiteral("1 station was added to your favourites.")
        : QStringLiteral("%1 stations were added to your favourites.").arg(added.favorites);
    if (added.ownStations > 0) {
        message += u' '
            + (added.ownStations == 1
                    ? QStringLiteral("1 station of your own was added to My Stations.")
                    : QStringLiteral("%1 stations of your own were added to My Stations.").arg(added.ownStations));
    }
    QMessageBox::information(parent, importTitle, message);
}

} // namespace Vello
