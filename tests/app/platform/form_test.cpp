// SPDX-License-Identifier: MIT
#include "app/platform/Form.h"
#include "app/platform/MulDiv.h"
#include "app/platform/Screen.h"
#include "support/Fakes.h"

#include <QTest>
#include <QTimer>
#include <climits>
#include <gtest/gtest.h>

namespace {

// Runs action once the modal showing has started.
void WhenShown(TForm& form, std::function<void()> action) {
    QTimer::singleShot(0, &form, [&form, action] {
        if (form.isVisible()) {
            action();
        }
    });
}

TEST(Form, SetModalResultEndsTheModalShowingWithIt) {
    TForm form;
    WhenShown(form, [&] { form.SetModalResult(mrYes); });
    EXPECT_EQ(form.ShowModal(), mrYes);
    EXPECT_EQ(form.ModalResult(), mrYes);
    EXPECT_FALSE(form.Visible());
}

TEST(Form, ClosingAnswersCancel) {
    TForm form;
    WhenShown(form, [&] { form.close(); });
    EXPECT_EQ(form.ShowModal(), mrCancel);
}

TEST(Form, EscapeDoesNotClose) {
    TForm form;
    WhenShown(form, [&] {
        QTest::keyClick(&form, Qt::Key_Escape);
        const bool stillShown = form.isVisible();
        form.SetModalResult(stillShown ? mrOk : mrNo);
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
}

TEST(Form, ANonModalWindowIsHiddenByAnAnswer) {
    TForm form;
    form.Show();
    form.SetModalResult(mrOk);
    EXPECT_FALSE(form.Visible());
    form.SetModalResult(mrNone);
    EXPECT_EQ(form.ModalResult(), mrNone);
}

TEST(FakeModal, RecordsAndAnswersFromItsQueueThenTheForm) {
    FakeModal modal;
    modal.answers = {mrYes};
    TForm form;
    EXPECT_EQ(form.ShowModal(), mrYes);
    EXPECT_EQ(form.ShowModal(), mrCancel);
    modal.onShow = [](TForm& shown) { shown.SetModalResult(mrNo); };
    EXPECT_EQ(form.ShowModal(), mrNo);
    EXPECT_EQ(modal.Count("TForm"), 3);
}

TEST(Screen, MulDivRoundsHalfAwayFromZeroWithAWideProduct) {
    EXPECT_EQ(MulDiv(5, 1, 2), 3);
    EXPECT_EQ(MulDiv(-5, 1, 2), -3);
    EXPECT_EQ(MulDiv(5, -1, 2), -3);
    EXPECT_EQ(MulDiv(7, 1, 3), 2);
    EXPECT_EQ(MulDiv(8, 1, -3), -3);
    EXPECT_EQ(MulDiv(100000, 100000, 1000000), 10000);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(MulDiv(INT_MAX, 2, 1), -1);
    EXPECT_EQ(MulDiv(INT_MIN, 1, 1), INT_MIN);
}

TEST(Screen, WorkAreaComesFromTheSeamAndTheBlankCursorIsTransparent) {
    {
        FakeWorkArea fake(Rect(10, 20, 810, 620));
        EXPECT_EQ(WorkArea(), Rect(10, 20, 810, 620));
    }
    EXPECT_GT(WorkArea().Width(), 0);
    const QCursor& cursor = crVide();
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(0, 0));
    EXPECT_EQ(cursor.bitmap().size(), QSize(32, 32));
    const QImage mask = cursor.mask().toImage().convertToFormat(QImage::Format_Mono);
    EXPECT_EQ(mask.size(), QSize(32, 32));
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            ASSERT_EQ(mask.pixelIndex(x, y), 0) << x << "," << y;
        }
    }
}

} // namespace
