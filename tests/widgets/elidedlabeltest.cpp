#include "widgets/elidedlabel.h"

#include <gtest/gtest.h>

namespace Vello {
namespace {

TEST(ElidedLabel, CutsAtTheTailOnlyWhenTooNarrowAndShowsPlainText)
{
    ElidedLabel label(QStringLiteral("Radio Paradise Main Mix"));
    label.resize(label.sizeHint());
    EXPECT_EQ(label.displayedText(), QStringLiteral("Radio Paradise Main Mix"));

    label.resize(60, label.height());
    EXPECT_TRUE(label.displayedText().endsWith(QStringLiteral("…")));
    EXPECT_TRUE(label.displayedText().startsWith(QStringLiteral("Ra")));
    EXPECT_EQ(label.minimumSizeHint().width(), 0);

    // Markup and line breaks are plain text.
    label.setText(QStringLiteral("<b>Bold</b>\nFM"));
    label.resize(400, 20);
    EXPECT_EQ(label.textFormat(), Qt::PlainText);
    EXPECT_EQ(label.displayedText(), QStringLiteral("<b>Bold</b> FM"));
}

} // namespace
} // namespace Vello
