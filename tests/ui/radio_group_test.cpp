// Radio groups: which buttons belong to a group, and DDX_Radio reading and
// writing the group of a running dialog.
#include "platform/qt/radio_group.h"
#include "tests/ui/layer_test_dialog.h"
#include "tests/ui/modal_helpers.h"

#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(RadioGroup, BeginsAtItsControlAndEndsBeforeTheNextGroupCountingRadioButtonsOnly)
{
    auto controls = TestDialogTemplate().controls;
    EXPECT_EQ(RadioGroupIds(controls, kRadioA), (std::vector<int> { kRadioA, kRadioB }));
    EXPECT_EQ(RadioGroupIds(controls, kRadioAlone), (std::vector<int> { kRadioAlone }));
    EXPECT_EQ(RadioGroupContaining(controls, kRadioB), (std::vector<int> { kRadioA, kRadioB }));
    EXPECT_TRUE(RadioGroupIds(controls, 9999).empty());
}

struct Checks {
    bool a, b, alone;
};

Checks ChecksOf(const CWnd& dialog)
{
    return { Control<QRadioButton>(dialog, kRadioA)->isChecked(), Control<QRadioButton>(dialog, kRadioB)->isChecked(),
        Control<QRadioButton>(dialog, kRadioAlone)->isChecked() };
}

TEST(RadioGroup, DataExchangeWritesAndReadsTheIndexWithinTheGroup)
{
    LayerResources resources;
    TestDialog dialog;
    RunDialog(dialog, [&] {
        Control<QRadioButton>(dialog, kRadioAlone)->setChecked(true);

        dialog.m_nChoice = 1;
        dialog.UpdateData(FALSE);
        Checks checks = ChecksOf(dialog);
        EXPECT_FALSE(checks.a);
        EXPECT_TRUE(checks.b);
        EXPECT_TRUE(checks.alone) << "a button outside the group was touched";
        dialog.m_nChoice = 7;
        dialog.UpdateData(TRUE);
        EXPECT_EQ(dialog.m_nChoice, 1);

        dialog.m_nChoice = -1;
        dialog.UpdateData(FALSE);
        EXPECT_FALSE(ChecksOf(dialog).a);
        EXPECT_FALSE(ChecksOf(dialog).b);
        dialog.m_nChoice = 0;
        dialog.UpdateData(TRUE);
        EXPECT_EQ(dialog.m_nChoice, -1);
    });
}

// The middle of a wide radio button can lie past its short text, where a
// click does not count.
void ClickIndicator(QRadioButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2)); }

TEST(RadioGroup, AClickChecksTheButtonAndClearsOnlyItsOwnGroup)
{
    LayerResources resources;
    TestDialog dialog;
    RunDialog(dialog, [&] {
        dialog.m_nChoice = 1;
        dialog.UpdateData(FALSE);
        Control<QRadioButton>(dialog, kRadioAlone)->setChecked(true);

        ClickIndicator(Control<QRadioButton>(dialog, kRadioA));
        Checks checks = ChecksOf(dialog);
        EXPECT_TRUE(checks.a);
        EXPECT_FALSE(checks.b);
        EXPECT_TRUE(checks.alone);

        // A second click on the checked button keeps it checked.
        ClickIndicator(Control<QRadioButton>(dialog, kRadioA));
        EXPECT_TRUE(ChecksOf(dialog).a);
    });
}

} // namespace
