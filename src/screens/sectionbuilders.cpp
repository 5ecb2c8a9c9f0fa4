#include "sectionbuilders.h"

#include "panel.h"

#include "widgets/elidedlabel.h"
#include "widgets/palette.h"
#include "widgets/vellobutton.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace Vello {

namespace {

constexpr int progressSteps = 1000;
constexpr double bytesPerMegabyte = 1e6;

// "12 of 65 MB", or "12 MB" when the length is unknown, in the reader's digits; under 10 MB with
// one decimal, so a small catalog does not read "0 of 0 MB". What has arrived is rounded down:
// the figures only meet when the download is complete.
QString progressText(const LoadProgress& progress)
{
    // A length of zero announces nothing: only what has arrived is shown, as without one.
    const bool announced = progress.total && *progress.total > 0;
    const std::size_t basis = announced ? *progress.total : progress.received;
    const int decimals = static_cast<double>(basis) < 10 * bytesPerMegabyte ? 1 : 0;
    const double scale = decimals == 0 ? 1.0 : 10.0;
    const auto megabytes = [&](std::size_t bytes, bool down) {
        const double scaled = static_cast<double>(bytes) / bytesPerMegabyte * scale;
        return QLocale().toString((down ? std::floor(scaled) : std::round(scaled)) / scale, 'f', decimals);
    };
    if (!announced) {
        return QCoreApplication::translate("SectionBuilders", "%1 MB").arg(megabytes(progress.received, true));
    }
    // What has arrived is rounded down until it is all there, then exactly as the total is.
    const std::size_t received = std::min(progress.received, *progress.total);
    return QCoreApplication::translate("SectionBuilders", "%1 of %2 MB", "received of total")
        .arg(megabytes(received, received < *progress.total), megabytes(*progress.total, false));
}

} // namespace

QFont pixelFont(int pixelSize, QFont::Weight weight)
{
    QFont font = QApplication::font();
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

ElidedLabel* makeLabel(const QString& text, int pixelSize, QFont::Weight weight, const QColor& color, QWidget* parent)
{
    auto* label = new ElidedLabel(text, parent);
    label->setFont(pixelFont(pixelSize, weight));
    label->setTextColor(color);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QLabel* makeEmptyListLabel(const QString& text, QWidget* parent)
{
    return makeLabel(text, 15, QFont::DemiBold, velloMuted(), parent);
}

bool confirmDestructive(QWidget* parent, const QString& title, const QString& question, const QString& action)
{
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(question);
    // A dialog is a window of its own and does not inherit the window's colours.
    box.setPalette(velloDarkPalette(box.palette()));
    QPushButton* confirm = box.addButton(action, QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    confirm->setAccessibleName(confirm->text());
    cancel->setAccessibleName(QString(cancel->text()).remove(u'&'));
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == confirm;
}

QWidget* makeSectionTitle(const QString& title)
{
    auto* row = new QWidget;
    row->setObjectName(QStringLiteral("sectionTitle"));
    row->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(makeLabel(title, 18, QFont::Bold, Qt::white), 1, Qt::AlignVCenter);
    return row;
}

Panel* makeStatusPanel(
    const QString& message, const std::optional<LoadProgress>& progress, const std::function<void()>& onTryAgain)
{
    auto* panel = new Panel(12, QColor::fromRgbF(0.09F, 0.108F, 0.126F, 1.0F), velloBorder());
    panel->setObjectName(QStringLiteral("statusPanel"));
    panel->setFixedHeight(48);
    panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(16, 0, 16, 0);
    layout->setSpacing(12);
    layout->addWidget(makeLabel(message, 13, QFont::DemiBold, velloMuted()), 1, Qt::AlignVCenter);

    // Built hidden on every panel, so progress can appear without rebuilding the screen.
    auto* amount = new QLabel(panel);
    amount->setObjectName(QStringLiteral("loadProgressText"));
    amount->setFont(pixelFont(12, QFont::DemiBold));
    QPalette colors = amount->palette();
    colors.setColor(QPalette::WindowText, velloMuted());
    amount->setPalette(colors);
    amount->hide();
    layout->addWidget(amount, 0, Qt::AlignVCenter);
    auto* bar = new QProgressBar(panel);
    bar->setObjectName(QStringLiteral("loadProgress"));
    bar->setAccessibleName(QCoreApplication::translate("SectionBuilders", "Download progress"));
    bar->setTextVisible(false);
    bar->setFixedSize(160, 4);
    const QColor track = QColor::fromRgbF(0.16F, 0.19F, 0.22F, 1.0F);
    bar->setStyleSheet(QStringLiteral("QProgressBar { background: %1; border: none; border-radius: 2px; }"
                                      "QProgressBar::chunk { background: %2; border-radius: 2px; }")
                           .arg(track.name(), velloGreen().name()));
    bar->hide();
    layout->addWidget(bar, 0, Qt::AlignVCenter);
    if (progress) {
        showStatusProgress(panel, *progress);
    }

    if (onTryAgain) {
        auto* retry = new VelloButton(
            QCoreApplication::translate("SectionBuilders", "Try Again"), VelloButton::Style::Secondary, panel);
        retry->setObjectName(QStringLiteral("tryAgain"));
        retry->setAccessibleName(retry->text());
        retry->setFixedHeight(32);
        QObject::connect(retry, &QAbstractButton::clicked, panel, onTryAgain);
        layout->addWidget(retry, 0, Qt::AlignVCenter);
    }
    return panel;
}

void showStatusProgress(Panel* panel, const LoadProgress& progress)
{
    auto* amount = panel->findChild<QLabel*>(QStringLiteral("loadProgressText"));
    auto* bar = panel->findChild<QProgressBar*>(QStringLiteral("loadProgress"));
    if (amount == nullptr || bar == nullptr) {
        return;
    }
    amount->setText(progressText(progress));
    amount->show();
    // A length of zero announces nothing useful: the bar moves as for an unknown length.
    if (progress.total && *progress.total > 0) {
        const double share
            = std::min(1.0, static_cast<double>(progress.received) / static_cast<double>(*progress.total));
        bar->setRange(0, progressSteps);
        bar->setValue(static_cast<int>(share * progressSteps));
    } else {
        bar->setRange(0, 0);
    }
    bar->show();
}

void setBadgeTitle(QWidget& badge, const QString& title)
{
    auto* label = badge.findChild<ElidedLabel*>();
    label->setText(title);
    label->setAccessibleName(title);
    // An empty label still claims a few pixels; an empty tag is only its padding.
    label->setVisible(!title.isEmpty());
}

Panel* makeBadge(const QString& title, const QColor& accent)
{
    QColor fill = accent;
    fill.setAlphaF(0.14F);
    QColor border = accent;
    border.setAlphaF(0.35F);
    auto* badge = new Panel(11, fill, border);
    badge->setObjectName(QStringLiteral("badge"));
    badge->setFixedHeight(22);

    // As wide as its text until the column runs out; then the text is cut with an ellipsis.
    badge->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    auto* label = new ElidedLabel(QString(), badge);
    label->setFont(pixelFont(11, QFont::Bold));
    label->setTextColor(accent);

    auto* layout = new QHBoxLayout(badge);
    layout->setContentsMargins(8, 0, 8, 0);
    layout->addWidget(label, 0, Qt::AlignVCenter);
    setBadgeTitle(*badge, title);
    return badge;
}

} // namespace Vello
