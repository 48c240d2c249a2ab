// SPDX-License-Identifier: MIT
#include "support/GameWindow.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>

GameWindowTest::GameWindowTest() {
    assets::WriteFixedAssets();
    fenetres_ = std::make_unique<TFenetres>();
    assets::WriteAnimalAssets(Form());
    Form().show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Form()));
    // The true frame is told once the window system's events are handled.
    QCoreApplication::processEvents();
}

GameWindowTest::~GameWindowTest() {
    fenetres_.reset();
}

std::vector<QString> GameWindowTest::Messages() const {
    std::vector<QString> textes;
    for (const FakeMessages::Message& message : messages.messages) {
        textes.push_back(message.text);
    }
    return textes;
}

QImage GameWindowTest::Screen() {
    return Form().PB->Canvas().Surface().copy();
}

std::string GameWindowTest::Trace() const {
    QFile file(QStringLiteral("espion.log"));
    // As text: Windows ends its lines with CR LF.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    return file.readAll().toStdString();
}
