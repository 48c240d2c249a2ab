// SPDX-License-Identifier: MIT
#include "app/Demarrage.h"

#include <QByteArray>
#include <QtGlobal>
#include <gtest/gtest.h>
#include <optional>

namespace {

TEST(DemarrageTest, X11InAWaylandSessionWithAnXServerUnlessTheUserChoseOne) {
    const char* const noms[] = {"WAYLAND_DISPLAY", "DISPLAY", "QT_QPA_PLATFORM"};
    std::optional<QByteArray> avant[3];
    for (int i = 0; i < 3; ++i) {
        if (qEnvironmentVariableIsSet(noms[i])) {
            avant[i] = qgetenv(noms[i]);
        }
    }
    // The three variables before (null: unset), then QT_QPA_PLATFORM after.
    const char* const cas[][4] = {{"wayland-0", ":0", nullptr, "xcb;wayland"},
                                  {"wayland-0", ":0", "", "xcb;wayland"},
                                  {"wayland-0", ":0", "wayland", "wayland"},
                                  {"wayland-0", "", nullptr, ""},
                                  {"", ":0", nullptr, ""}};
    for (const auto& valeurs : cas) {
        for (int i = 0; i < 3; ++i) {
            valeurs[i] ? qputenv(noms[i], valeurs[i]) : qunsetenv(noms[i]);
        }
        ChoisitPlateforme();
        EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), valeurs[3]) << valeurs[0] << " " << valeurs[1];
    }
    for (int i = 0; i < 3; ++i) {
        avant[i] ? qputenv(noms[i], *avant[i]) : qunsetenv(noms[i]);
    }
}

} // namespace
