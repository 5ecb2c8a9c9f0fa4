#include "favoritestransfer.h"

#include "browser/browsercontroller.h"
#include "browser/favoritesfile.h"
#include "widgets/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>

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

} // namespace

void exportFavorites(QWidget* parent, const BrowserController& browser)
{
    const QString path = QFileDialog::getSaveFileName(parent, exportTitle(),
        QDir::home().filePath(QCoreApplication::translate("FavoritesTransfer", "Pemba Vello Favourites.json")),
        fileFilter());
    if (path.isEmpty()) {
        return;
    }
    const std::string text = FavoritesFile::write(browser.favoritesToExport());
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
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    Result<std::vector<FavoriteEntry>> parsed
        = Error {VELLO_TR("Core", "The file is too large to be a list of favourite stations.")};
    if (!file.open(QIODevice::ReadOnly)) {
        parsed = Error {Text::verbatim(file.errorString().toStdString())};
    } else if (file.size() <= static_cast<qint64>(FavoritesFile::maxBytes)) {
        const QByteArray text = file.read(static_cast<qint64>(FavoritesFile::maxBytes) + 1);
        parsed = FavoritesFile::read(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    }
    if (const auto* error = std::get_if<Error>(&parsed)) {
        QMessageBox::warning(parent, importTitle(),
            QCoreApplication::translate(
                "FavoritesTransfer", "“%1” was not imported, and your favourites are unchanged.\n\n%2")
                .arg(name, translated(error->description)));
        return;
    }
    const BrowserController::Imported added = browser.importFavorites(std::get<std::vector<FavoriteEntry>>(parsed));
    const auto favorites = static_cast<int>(added.favorites);
    const auto own = static_cast<int>(added.ownStations);
    QString message = QCoreApplication::translate(
        "FavoritesTransfer", "%Ln station(s) were added to your favourites.", nullptr, favorites);
    if (own > 0) {
        message += QLatin1Char(' ')
            + QCoreApplication::translate(
                "FavoritesTransfer", "%Ln station(s) of your own were added to My Stations.", nullptr, own);
    }
    QMessageBox::information(parent, importTitle(), message);
}

} // namespace Vello
