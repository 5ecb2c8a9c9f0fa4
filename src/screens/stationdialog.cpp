#include "stationdialog.h"

#include "sectionbuilders.h"

#include "browser/browsercontroller.h"
#include "i18n/translation.h"
#include "widgets/palette.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <variant>

namespace Vello {

namespace {

QLineEdit* makeField(const QString& accessibleName, const QString& placeholder)
{
    auto* field = new QLineEdit;
    field->setAccessibleName(accessibleName);
    field->setPlaceholderText(placeholder);
    field->setMinimumWidth(360);
    return field;
}

// Shows `problem` in red under its field, or else `hint` in the muted colour, and lets a screen
// reader tell what is wrong with the field.
void showNote(QLabel* note, QLineEdit* field, const std::optional<Text>& problem, const QString& hint)
{
    const bool wrong = problem.has_value() && !field->text().trimmed().isEmpty();
    note->setText(wrong ? translated(*problem) : hint);
    QPalette colors = note->palette();
    colors.setColor(QPalette::WindowText, wrong ? velloRed() : velloMuted());
    note->setPalette(colors);
    field->setAccessibleDescription(wrong ? note->text() : QString());
}

} // namespace

StationDialog::StationDialog(BrowserController& browser, const Station* existing, QWidget* parent)
    : QDialog(parent)
    , m_browser(browser)
    , m_id(existing != nullptr ? existing->id() : std::string())
    , m_name(makeField(tr("Station name"), tr("My Station")))
    , m_address(makeField(tr("Stream or playlist address"), tr("https://stream.example.org/live.mp3")))
    , m_logo(makeField(tr("Logo address"), tr("https://example.org/logo.png")))
    , m_tags(makeField(tr("Tags"), tr("jazz, live, local")))
    , m_addressNote(new QLabel)
    , m_logoNote(new QLabel)
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Cancel))
{
    setWindowTitle(existing != nullptr ? tr("Edit Station") : tr("Add Station"));
    // A dialog is a window of its own and does not inherit the window's colours.
    setPalette(velloDarkPalette(palette()));

    if (existing != nullptr) {
        const StationDraft was = OwnStations::draftOf(*existing);
        m_name->setText(QString::fromStdString(was.name));
        m_address->setText(QString::fromStdString(was.address));
        m_logo->setText(QString::fromStdString(was.logo));
        m_tags->setText(QString::fromStdString(was.tags));
    }
    m_addressNote->setWordWrap(true);
    m_logoNote->setWordWrap(true);

    auto* form = new QFormLayout;
    form->addRow(tr("&Name:"), m_name);
    form->addRow(tr("&Address:"), m_address);
    form->addRow(QString(), m_addressNote);
    form->addRow(tr("&Logo:"), m_logo);
    form->addRow(QString(), m_logoNote);
    form->addRow(tr("&Tags:"), m_tags);

    QPushButton* save
        = m_buttons->addButton(existing != nullptr ? tr("Save") : tr("Add Station"), QDialogButtonBox::AcceptRole);
    save->setAccessibleName(save->text());
    // Return in a field saves, once the form holds a station; it never cancels the form.
    QPushButton* cancel = m_buttons->button(QDialogButtonBox::Cancel);
    cancel->setAutoDefault(false);
    cancel->setAccessibleName(tr("Cancel"));
    if (existing != nullptr) {
        QPushButton* remove = m_buttons->addButton(tr("Remove Station…"), QDialogButtonBox::DestructiveRole);
        remove->setAutoDefault(false);
        remove->setAccessibleName(tr("Remove Station"));
        connect(remove, &QAbstractButton::clicked, this, &StationDialog::confirmRemove);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    layout->addWidget(m_buttons);

    for (QLineEdit* field : {m_name, m_address, m_logo}) {
        connect(field, &QLineEdit::textChanged, this, &StationDialog::showProblems);
    }
    connect(m_buttons, &QDialogButtonBox::accepted, this, &StationDialog::save);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showProblems();
}

StationDraft StationDialog::draft() const
{
    return StationDraft {.name = m_name->text().toStdString(),
        .address = m_address->text().toStdString(),
        .logo = m_logo->text().toStdString(),
        .tags = m_tags->text().toStdString()};
}

void StationDialog::showProblems()
{
    const DraftProblems problems = OwnStations::problems(draft());
    showNote(m_addressNote, m_address, problems.address,
        tr("The address of the stream, or of a playlist (.pls, .m3u) that names it."));
    showNote(m_logoNote, m_logo, problems.logo, tr("Optional: the address of a picture for the station."));
    for (QAbstractButton* button : m_buttons->buttons()) {
        if (m_buttons->buttonRole(button) == QDialogButtonBox::AcceptRole) {
            button->setEnabled(!problems.any());
            // A button that was off lost its place as the default.
            qobject_cast<QPushButton*>(button)->setDefault(!problems.any());
        }
    }
}

void StationDialog::save()
{
    const Result<Station> saved = m_browser.personal().saveOwnStation(draft(), m_id);
    if (const auto* error = std::get_if<Error>(&saved)) {
        QMessageBox::warning(this, windowTitle(), translated(error->description));
        return;
    }
    accept();
}

void StationDialog::confirmRemove()
{
    if (confirmDestructive(this, tr("Remove Station"),
            tr("Remove “%1” from My Stations?").arg(m_name->text().trimmed()), tr("Remove"))) {
        m_browser.personal().removeOwnStation(m_id);
        accept();
    }
}

void editOwnStation(QWidget* parent, BrowserController& browser, const Station* existing)
{
    StationDialog dialog(browser, existing, parent);
    if (dialog.exec() == QDialog::Accepted && existing == nullptr) {
        browser.switchScreen(Screen::Library);
        browser.chooseListMode(ListMode::Own);
    }
}

} // namespace Vello
