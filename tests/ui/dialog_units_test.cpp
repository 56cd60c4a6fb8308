// Dialog units: the rounding of the base units and of the conversion, the
// fallback font, and a template laid out in the units of its font.
#include "platform/qt/dialog_font.h"
#include "platform/qt/dialog_units.h"
#include "tests/ui/layer_test_dialog.h"
#include "tests/ui/modal_helpers.h"

#include <QFontDatabase>
#include <QFontInfo>

#include <gtest/gtest.h>

namespace {

TEST(DialogUnits, AverageWidthAndMulDivRoundAsThePlatformDoes)
{
    struct Case {
        int a, b, c, expected;
    } cases[] = {
        { 10, 6, 4, 15 }, { 1, 6, 4, 2 }, { 1, 5, 4, 1 }, { 3, 5, 8, 2 }, { -3, 5, 8, -2 }, { 7, 13, 8, 11 }, { 0, 13, 8, 0 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;

    // 52 letters 312 pixels wide average 6; 338 pixels give 6.5, rounded up to 7.
    EXPECT_EQ(AverageCharWidth(312), 6);
    EXPECT_EQ(AverageCharWidth(338), 7);
    EXPECT_EQ(AverageCharWidth(337), 6);
}

TEST(DialogUnits, RectanglesScaleByQuartersOfTheWidthAndEighthsOfTheHeight)
{
    RECT rect = MapDialogRect(92, 145, 50, 14, { 6, 13 });
    EXPECT_EQ(rect.left, 138);
    EXPECT_EQ(rect.top, 236); // 145 * 13 / 8 = 235.625
    EXPECT_EQ(rect.right, 213); // 142 * 6 / 4
    EXPECT_EQ(rect.bottom, 258); // 159 * 13 / 8 = 258.375
}

TEST(DialogFont, AMissingFaceFallsBackToTheDesktopSansSerifFace)
{
    ASSERT_FALSE(QFontDatabase::families().contains("MS Sans Serif"));
    QFont font = DialogFont("MS Sans Serif", 8);
    EXPECT_EQ(font.pointSize(), 8);
    EXPECT_EQ(QFontInfo(font).family(), QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).family());

    QString installed = QFontDatabase::families().front();
    EXPECT_EQ(DialogFont(installed.toLatin1().constData(), 10).family(), installed);
}

TEST(DialogLayout, ControlsSitWhereTheTemplateSaysInTheFontsUnits)
{
    LayerResources resources;
    TestDialog dialog;
    RunDialog(dialog, [&] {
        QWidget* window = WidgetOf(dialog);
        BaseUnits units = BaseUnitsOf(window->font());
        EXPECT_GT(units.cx, 0);
        EXPECT_GT(units.cy, 0);
        RECT frame = MapDialogRect(0, 0, 200, 120, units);
        EXPECT_EQ(window->size(), QSize(frame.right, frame.bottom));
        for (const ControlTemplate& control : TestDialogTemplate().controls) {
            RECT r = MapDialogRect(control.x, control.y, control.cx, control.cy, units);
            QRect expected(r.left, r.top, r.right - r.left, r.bottom - r.top);
            QRect actual = ControlWidget(dialog, control.id)->geometry();
            if (control.controlClass == ControlClass::Static) {
                // Text that the wider fallback face would clip widens the label.
                EXPECT_EQ(actual.topLeft(), expected.topLeft()) << control.id;
                EXPECT_EQ(actual.height(), expected.height()) << control.id;
                EXPECT_GE(actual.width(), expected.width()) << control.id;
            } else {
                EXPECT_EQ(actual, expected) << control.id;
            }
        }
    });
}

} // namespace
