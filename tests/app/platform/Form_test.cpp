// SPDX-License-Identifier: MIT
#include "app/platform/Form.h"

#include <QTest>
#include <QTimer>
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

TEST(FormTest, SetModalResultEndsTheModalShowingWithIt) {
    TForm form;
    WhenShown(form, [&] { form.SetModalResult(mrYes); });
    EXPECT_EQ(form.ShowModal(), mrYes);
    EXPECT_EQ(form.ModalResult(), mrYes);
    EXPECT_FALSE(form.Visible());
}

TEST(FormTest, ClosingAnswersCancel) {
    TForm form;
    WhenShown(form, [&] { form.close(); });
    EXPECT_EQ(form.ShowModal(), mrCancel);
}

TEST(FormTest, EscapeDoesNotClose) {
    TForm form;
    WhenShown(form, [&] {
        QTest::keyClick(&form, Qt::Key_Escape);
        const bool stillShown = form.isVisible();
        form.SetModalResult(stillShown ? mrOk : mrNo);
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
}

TEST(FormTest, ANonModalWindowIsHiddenByAnAnswer) {
    TForm form;
    form.Show();
    form.SetModalResult(mrOk);
    EXPECT_FALSE(form.Visible());
    form.SetModalResult(mrNone);
    EXPECT_EQ(form.ModalResult(), mrNone);
}

} // namespace
