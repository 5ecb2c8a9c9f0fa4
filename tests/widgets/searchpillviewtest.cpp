#include "widgets/searchpillview.h"
#include "widgets/arcspinner.h"
#include "widgets/palette.h"

#include <QAccessible>

#include <gtest/gtest.h>

namespace Vello {
namespace {

TEST(SearchPillView, FieldIsFramelessWithAMutedPlaceholderAndReadsAsSearch)
{
    SearchPillView pill;
    pill.resize(400, 38);
    QLineEdit* field = pill.textField();
    EXPECT_FALSE(field->hasFrame());
    EXPECT_EQ(field->placeholderText(), QStringLiteral("Search stations, countries, genres..."));
    EXPECT_EQ(field->palette().color(QPalette::PlaceholderText), velloMuted());
    EXPECT_EQ(field->palette().color(QPalette::Text), QColor(Qt::white));
    EXPECT_EQ(field->font().pixelSize(), 14);
    EXPECT_EQ(field->accessibleName(), QStringLiteral("Search"));

    // The glyph is decoration: nothing a screen reader reaches carries it.
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(&pill);
    for (int i = 0; i < shown->childCount(); ++i) {
        EXPECT_FALSE(shown->child(i)->text(QAccessible::Name).contains(u'⌕'));
    }
}

TEST(SearchPillView, SpinnerShowsAndReportsBusyOnlyWhileLoading)
{
    SearchPillView pill;
    pill.resize(400, 38);
    pill.show();
    const ArcSpinner* spinner = pill.spinner();
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(const_cast<ArcSpinner*>(spinner));
    EXPECT_FALSE(spinner->isVisible());
    EXPECT_FALSE(heard->state().busy);
    const int fieldWidth = pill.textField()->width();

    pill.setLoading(true);
    EXPECT_TRUE(spinner->isVisible());
    EXPECT_TRUE(spinner->isSpinning());
    EXPECT_TRUE(heard->state().busy);

    pill.setLoading(true);
    pill.setLoading(false);
    EXPECT_FALSE(spinner->isVisible());
    EXPECT_FALSE(spinner->isSpinning());
    EXPECT_FALSE(heard->state().busy);
    // The spinner's place is kept, so typed text never moves.
    EXPECT_EQ(pill.textField()->width(), fieldWidth);
    EXPECT_LE(pill.textField()->geometry().right(), 400 - 14 - ArcSpinner::diameter - 10);
    EXPECT_GE(pill.textField()->geometry().left(), 14 + 18 + 8);
}

} // namespace
} // namespace Vello
