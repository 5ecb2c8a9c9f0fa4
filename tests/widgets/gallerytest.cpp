#include "fakehttpclient.h"
#include "testimages.h"
#include "waitfor.h"

#include "widgets/artworkloader.h"
#include "widgets/aspectfillimage.h"
#include "widgets/palette.h"
#include "widgets/resources.h"
#include "widgets/searchfield.h"
#include "widgets/sidebarnavbutton.h"
#include "widgets/stationrow.h"
#include "widgets/stationscrollarea.h"
#include "widgets/vellobutton.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <array>
#include <string_view>
#include <utility>

namespace Vello {
namespace {

// One of every widget with real texts, into widgets.png (copied to docs/ by hand): the picture
// shows their looks and that the machine has a font for every glyph they draw.
TEST(Gallery, EveryWidgetKindRenders)
{
    FakeHttpClient http;
    ArtworkLoader loader(http);
    const QPixmap fallback = loadResourceImage(QStringLiteral("vello-station-fallback"), QStringLiteral("webp"));
    const QPixmap hero = loadResourceImage(QStringLiteral("vello-hero"), QStringLiteral("webp"));
    ASSERT_FALSE(fallback.isNull() || hero.isNull());

    QWidget gallery;
    gallery.setAutoFillBackground(true);
    QPalette colors = gallery.palette();
    colors.setColor(QPalette::Window, velloBackground());
    gallery.setPalette(colors);
    auto* columns = new QHBoxLayout(&gallery);

    auto* sidebar = new QVBoxLayout;
    for (const auto& [title, symbol] : {std::pair {"Home", "home"}, {"Browse", "grid"}, {"Library", "heart-filled"},
             {"Player", "play-circle"}, {"Unknown symbol, long title", "no.such.symbol"}}) {
        auto* entry = new SidebarNavButton(
            QString::fromUtf8(title), QString::fromUtf8(symbol), std::string_view(title) == "Home", &gallery);
        entry->setFixedWidth(198);
        sidebar->addWidget(entry);
    }
    sidebar->addStretch(1);
    columns->addLayout(sidebar);

    auto* content = new QVBoxLayout;
    auto* typedSearch = new SearchField(&gallery);
    typedSearch->textField()->setText(QStringLiteral("jazz"));
    typedSearch->setLoading(true);
    content->addWidget(typedSearch);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new VelloButton(QStringLiteral("Play top station"), VelloButton::Style::Primary, &gallery));
    buttons->addWidget(new VelloButton(QStringLiteral("Jazz"), VelloButton::Style::Secondary, &gallery));
    buttons->addWidget(new VelloButton(QStringLiteral("♡"), VelloButton::Style::Icon, &gallery));
    buttons->addWidget(new VelloButton(QStringLiteral("Open library"), VelloButton::Style::Sidebar, &gallery));
    for (const char* symbol : {"backward", "play", "pause", "forward", "no.such.symbol"}) {
        auto* control = new VelloButton(QString(), VelloButton::Style::Icon, &gallery);
        control->setSymbol(QString::fromLatin1(symbol), QStringLiteral("❚❚"));
        buttons->addWidget(control);
    }
    buttons->addStretch(1);
    content->addLayout(buttons);

    auto* heroView = new AspectFillImage(&gallery);
    heroView->setImage(hero);
    heroView->setFixedHeight(180);
    content->addWidget(heroView);

    auto* scroll = new StationScrollArea(&gallery);
    auto* list = new QWidget;
    auto* rows = new QVBoxLayout(list);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(8);
    const std::array<Station, 3> stations {StationFields {.name = "Radio Swiss Jazz",
                                               .favicon = "https://logos.example/jazz.png",
                                               .country = "Switzerland",
                                               .tags = "jazz,smooth jazz",
                                               .votes = 28411},
        StationFields {
            .name = "Lofi Beats Around the Clock, Chilled Study Mix For Long Nights", .country = "", .votes = 5120},
        StationFields {.name = "Ambient Sleeping Pill"}};
    for (const Station& station : stations) {
        rows->addWidget(new StationRow(station, fallback, &station == stations.data(), loader, list));
    }
    scroll->setWidget(list);
    scroll->setFixedHeight(300);
    list->setPalette(colors);
    content->addWidget(scroll);
    columns->addLayout(content, 1);

    gallery.resize(1180, 760);
    gallery.show();
    ASSERT_TRUE(http.respond(HttpResponse {200, encodedImage({112, 112}, QColor(0xf0, 0x8a, 0x24)).toStdString()}));
    auto* jazz = list->findChild<StationRow*>();
    ASSERT_TRUE(waitFor([&] { return jazz->showsLogo(); }));

    EXPECT_TRUE(gallery.grab().save(QStringLiteral(VELLO_GALLERY_PATH)));
}

} // namespace
} // namespace Vello
