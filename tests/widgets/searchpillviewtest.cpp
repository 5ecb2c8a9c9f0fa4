#include "widgets/searchpillview.h"
#include "widgets/arcspinner.h"
#include "widgets/palette.h"

#include <gtest/gtest.h>

namespace Vello {
namespace {

TEST(SearchPillView, FieldIsFramelessWithAMutedPlaceholder)
{
    SearchPillView pill;
    pill.resize(400, 38);
    EXPECT_EQ(pill.height(), 38);
    QLineEdit* field = pill.textField();
    EXPECT_FALSE(field->hasFrame());
    EXPECT_EQ(field->placeholderText(), QStringLiteral("Search stations, countries, genres..."));
    EXPECT_EQ(field->palette().color(QPalette::PlaceholderText), velloMuted());
    EXPECT_EQ(field->palette().color(QPalette::Text), QColor(Qt::white));
    EXPECT_EQ(field->palette().color(QPalette::Base).alpha(), 0);
    EXPECT_EQ(field->font().pixelSize(), 14);
    EXPECT_EQ(field->font().weight(), QFont::DemiBold);
}

TEST(SearchPillView, SpinnerShowsOnlyWhileLoading)
{
    SearchPillView pill;
    pill.resize(400, 38);
    pill.show();
    const ArcSpinner* spinner = pill.spinner();
    EXPECT_FALSE(spinner->isVisible());
    EXPECT_FALSE(spinner->isSpinning());
    const int fieldWidth = pill.textField()->width();

    pill.setLoading(true);
    EXPECT_TRUE(spinner->isVisible());
    EXPECT_TRUE(spinner->isSpinning());

    pill.setLoading(true);
    pill.setLoading(false);
    EXPECT_FALSE(spinner->isVisible());
    EXPECT_FALSE(spinner->isSpinning());
    // The spinner's place is kept, so typed text never moves.
    EXPECT_EQ(pill.textField()->width(), fieldWidth);
    EXPECT_LE(pill.textField()->geometry().right(), 400 - 14 - ArcSpinner::diameter - 10);
}

} // namespace
} // namespace Vello
