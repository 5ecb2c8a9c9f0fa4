#include "widgets/searchfield.h"
#include "widgets/arcspinner.h"

#include <QAccessible>

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

namespace Vello {
namespace {

TEST(SearchField, ReadsAsSearchWithoutItsGlyphAndIsBusyOnlyWhileLoading)
{
    SearchField pill;
    pill.resize(400, 38);
    pill.show();
    QLineEdit* field = pill.textField();
    EXPECT_EQ(field->accessibleName(), QStringLiteral("Search"));

    // The glyph is decoration: nothing a screen reader reaches carries it.
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(&pill);
    for (int i = 0; i < shown->childCount(); ++i) {
        EXPECT_FALSE(shown->child(i)->text(QAccessible::Name).contains(u'⌕'));
    }

    const ArcSpinner* spinner = pill.spinner();
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(const_cast<ArcSpinner*>(spinner));
    // The spinner's place is kept, so typed text never moves.
    const int fieldWidth = field->width();
    for (const std::optional<bool> loading : {std::optional<bool>(), std::optional(true), std::optional(false)}) {
        if (loading) {
            pill.setLoading(*loading);
        }
        const bool on = loading.value_or(false);
        EXPECT_EQ(
            std::tuple(spinner->isVisible(), spinner->isSpinning(), bool(heard->state().busy)), std::tuple(on, on, on));
        EXPECT_EQ(field->width(), fieldWidth);
    }
}

} // namespace
} // namespace Vello
