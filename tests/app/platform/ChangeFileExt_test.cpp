// SPDX-License-Identifier: MIT
#include "app/platform/ChangeFileExt.h"

#include <gtest/gtest.h>

namespace {

TEST(ChangeFileExtTest, ReplacesOrAppendsTheExtension) {
    EXPECT_EQ(ChangeFileExt("/opt/jeux/kornibelle.bin", ".INI"), "/opt/jeux/kornibelle.INI");
    EXPECT_EQ(ChangeFileExt("/opt/jeux.d/kornibelle", ".INI"), "/opt/jeux.d/kornibelle.INI");
    EXPECT_EQ(ChangeFileExt("D:\\Apps\\game.exe", ".INI"), "D:\\Apps\\game.INI");
    EXPECT_EQ(ChangeFileExt("kornibelle", ".INI"), "kornibelle.INI");
}

} // namespace
