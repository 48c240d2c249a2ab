// SPDX-License-Identifier: MIT
#include "support/GameWindow.h"

#include <QFile>
#include <QTest>

GameWindowTest::GameWindowTest() {
    assets::WriteFixedAssets();
    form_ = std::make_unique<TSDIAppForm>();
    assets::WriteAnimalAssets(*form_);
    form_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
}

GameWindowTest::~GameWindowTest() {
    form_.reset();
}

std::vector<QString> GameWindowTest::Messages() const {
    std::vector<QString> textes;
    for (const FakeMessages::Message& message : messages.messages) {
        textes.push_back(message.text);
    }
    return textes;
}

QImage GameWindowTest::Screen() {
    return form_->PB->Canvas().Surface().copy();
}

std::string GameWindowTest::Trace() const {
    QFile file(QStringLiteral("espion.log"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll().toStdString();
}
